# Sources of the result window, the report window, the about box and the update reminder, and
# their window tests (file names relative to the repository root and to tests/gui).
set(ZODRIVEL_RESULT_WINDOW_SOURCES
  report/TextEditSink.cpp
  report/ResultWindow.cpp
  report/ReportWindow.cpp
  links/AboutWindow.cpp
  links/UpdateReminder.cpp
)
set(ZODRIVEL_RESULT_WINDOW_TESTS
  ResultWindowTest.cpp
  ReportWindowTest.cpp
  LinksTest.cpp
)
