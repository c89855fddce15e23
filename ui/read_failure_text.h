#pragma once
// A reader's failure in the window's language: the file, the reason in one sentence, the
// position where known, and "Err code N" last, each on a line of its own.
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "data/md_reader.h"
#include "data/read_failure.h"

namespace qav {

class ReadFailureText {
    Q_DECLARE_TR_FUNCTIONS(qav::ReadFailureText)

  public:
    /// The parts in order: the file as the system shows it (when known), the reason, the
    /// position (when known) and the error code.
    static QStringList lines(const ReadFailure& failure);
    /// The lines of one message box, each followed by a line feed.
    static QString text(const ReadFailure& failure);
    /// A failed save in the same shape: the file, then the system's reason as one sentence. The
    /// writer reports a reason, not a code, so there is no "Err code" line.
    static QString saveFailure(const QString& path, const QString& reason);
    /// "Location 3 (Cut) ends at line 29 after 20 of its 54 fields; it was left out."
    static QString cutShort(const CutShortLocation& cut);
    /// "Only 50 locations are read; left out from line 651 on: 2 more locations and 5 fields."
    static QString leftOut(const LeftOutData& leftOut);
};

}  // namespace qav
