# The word-forms window and the commands of the "Plugins" menu.
sahdict_add_test(NAME test_frmWordForms QT SOURCES frmWordFormsTest.cpp LIBS sahdict_wordforms Qt6::Test)
sahdict_add_test(NAME test_PluginCommands QT SOURCES PluginCommandsTest.cpp LIBS sahdict_wordforms Qt6::Test)
