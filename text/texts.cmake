# The one list of the program's translatable texts outside ui/: the headers that hold them (marked
# with QAV_TRANSLATABLE, relative to the source tree) and their contexts. text/ builds its table
# from it, ui/ hands the headers to lupdate, and the tests check the code against it.
set(QAV_TEXT_HEADERS
  text/strategy_names.h
  text/month_names.h
  text/picture_texts.h
  text/report_texts.h
  text/read_failure_texts.h
  text/option_texts.h
  text/coordinates_texts.h
  text/page_texts.h
  text/place_texts.h
  text/sun_texts.h
  text/comfort_texts.h
  text/facade_texts.h
  text/finder_page_texts.h
  text/page_view_texts.h
  text/adaptive_hours_texts.h
  text/report_page_texts.h
  text/place_request_texts.h
  text/station_source_texts.h
)
# The contexts looked up at run time (Translated); their Portuguese is compiled into qav_text.
set(QAV_TEXT_CONTEXTS
  qav::Picture qav::Strategy qav::Month qav::Report qav::ReadFailureText qav::OptionText
  qav::AnalysisText qav::CoordinatesText qav::PlaceText qav::SunText qav::ComfortText
  qav::FacadeText qav::AdaptiveHoursText qav::Advice qav::PlaceRequestText qav::StationSource
)
# Of those, the report's own, tabulated apart (kPortugueseBrazilReport) and read by ReportText alone.
set(QAV_REPORT_TEXT_CONTEXTS qav::Report)
# The browser page's own texts, which text/make_texts.py writes to the page's texts-pt_BR.json
# instead, so that the module does not carry them.
set(QAV_PAGE_CONTEXTS qav::WebPage qav::WebFinder qav::WebPageViews qav::WebReport)
# The one translation file: English is the source language, Brazilian Portuguese its only other.
set(QAV_TRANSLATION_FILE text/qav_pt_BR.ts)
