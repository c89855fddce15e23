#pragma once
// The English texts of the browser page's sun and shade, comfort and wind views
// (web/page/views.js) that no other part of the program words, marked for lupdate so that the
// translation file holds their Portuguese (context "qav::WebPageViews"); text/make_texts.py writes
// them into the page's texts-pt_BR.json. The page's scripts use the English text as the key.
#include "text/translatable.h"

namespace qav::web_page_view_text {

inline constexpr const char* kTexts[] = {
    QAV_TRANSLATABLE("qav::WebPageViews", "\"%1\" is not a temperature from 10 to 35 °C, such as 26 or 24.5.", ""),
    QAV_TRANSLATABLE("qav::WebPageViews", "ASHRAE 55 adaptive", ""),
    QAV_TRANSLATABLE("qav::WebPageViews", "Above with fans (0.9 m/s)", ""),
    QAV_TRANSLATABLE("qav::WebPageViews", "Band II (°C)", ""),
    QAV_TRANSLATABLE("qav::WebPageViews", "Below", ""),
    QAV_TRANSLATABLE("qav::WebPageViews", "Comfort model", ""),
    QAV_TRANSLATABLE("qav::WebPageViews", "EN 16798-1 adaptive", ""),
    QAV_TRANSLATABLE("qav::WebPageViews", "Givoni chart", ""),
    QAV_TRANSLATABLE("qav::WebPageViews", "In 80 % with fans (0.9 m/s)", ""),
    QAV_TRANSLATABLE("qav::WebPageViews", "Shade above", ""),
    QAV_TRANSLATABLE("qav::WebPageViews", "Shade above (°C, 10 to 35)", ""),
    QAV_TRANSLATABLE("qav::WebPageViews", "Shading of the eight façades", ""),
};

}  // namespace qav::web_page_view_text
