// Opening the job document named on the command line.
#pragma once

#include <QString>
#include <QWidget>

namespace spirolan {

/// Opens the job document `path` given on the command line, over the shown main `window`. This
/// version reads no job documents: it refuses with a message and the window stays empty.
void OpenJobDocument(QWidget& window, const QString& path);

} // namespace spirolan
