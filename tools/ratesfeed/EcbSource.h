#pragma once
// Where the ECB's file comes from: a local file or an http(s) address, read within the
// limits of the program's own rate update, so that a server that drips bytes or sends
// without end, or a device named as the file, cannot keep the feed waiting or fill the
// memory.
#include "data/RateUpdate.h"

#include <QByteArray>
#include <QString>

namespace RatesFeed {

struct FetchLimits {
    qint64 maxBytes = RateUpdate::kMaxReplySize;
    int readTimeoutMs = RateUpdate::kReadTimeoutMs;   // no data for that long
    int overallMs = RateUpdate::kTransferLimitMs;     // the whole transfer
};

// The whole file. Only a regular file is read; a body larger than maxBytes, or a transfer
// beyond either time limit, is refused with one sentence.
QByteArray Fetch(const QString& source, const FetchLimits& limits = {});

} // namespace RatesFeed
