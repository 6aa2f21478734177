#pragma once
// Line ends: stored text has CR LF, as existing data folders and the server hold it; Qt's text
// boxes use LF.
#include <QString>

namespace radky {

// Every line end (CR LF, a lone CR or LF, a paragraph separator) as CR LF: text from a text box
// on its way to a file, a record or the server.
QString naCrLf(QString text);
// CR LF as LF, for a text box.
QString naLf(QString text);

}  // namespace radky
