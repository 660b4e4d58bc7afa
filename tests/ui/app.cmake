# Start-up, the splash window, reload and exit, on files in a temporary program folder.
sahdict_add_test(NAME test_Startup QT SOURCES StartupTest.cpp LIBS sahdict_app Qt6::Test)
