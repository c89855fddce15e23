#pragma once
// Marks a text for Qt's lupdate, which reads it as it reads QT_TRANSLATE_NOOP3 (the window's
// build passes -tr-function-alias); everywhere else the text stands as it is. Marked texts live
// in the headers that text/texts.cmake lists, under the contexts it lists.
#define QAV_TRANSLATABLE(context, text, disambiguation) text
