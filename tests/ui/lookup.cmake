# The lookup window: its logic as plain functions, and the window driven by keys and clicks.
sahdict_add_test(NAME test_LookupLogic QT SOURCES LookupLogicTest.cpp LIBS sahdict_lookup Qt6::Test)
sahdict_add_test(NAME test_frmDict QT SOURCES frmDictTest.cpp LIBS sahdict_lookup Qt6::Test)
