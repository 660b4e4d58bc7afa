# The article window, the message window and the HTML view they share.
sahdict_add_test(NAME test_PageForView QT SOURCES PageForViewTest.cpp LIBS sahdict_article sahdict_render Qt6::Test)
sahdict_add_test(NAME test_frmMsg QT SOURCES frmMsgTest.cpp LIBS sahdict_article Qt6::Test)
sahdict_add_test(NAME test_frmWord QT SOURCES frmWordTest.cpp LIBS sahdict_article Qt6::Test)
