#pragma once
// The help pages: one HTML page per topic identifier in the help folder of the working
// directory, and a contents page.
#include <QString>

namespace Help {
inline const QString kContents = QStringLiteral("CALCHELP");
// The page of a topic ("IDH_transactionlog"), or of the contents for kContents.
// Raises VemoxError with a clear text when the topic is not a plain identifier or its
// page is missing.
QString topicFile(const QString& topic);
} // namespace Help
