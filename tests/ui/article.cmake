# The message window, and the article window with the HTML view they share.
sahdict_add_test(NAME test_frmMsg QT SOURCES frmMsgTest.cpp LIBS sahdict_article Qt6::Test)
sahdict_add_test(NAME test_frmWord QT SOURCES frmWordTest.cpp LIBS sahdict_article sahdict_render Qt6::Test)
