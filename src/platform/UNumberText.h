#pragma once
// Number texts read the way QString::toDouble reads them, with a fast road for
// the plain ASCII numbers an import meets millions of times.

#include <QStringView>

// The value of text, or 0 with *ok false when it is no number.
double TextToDouble(QStringView text, bool* ok = nullptr);
