#pragma once
#include <QChar>
#include <QSet>
#include <QString>

// Access letters (Alt+letter) for what a window shows at once: menu items,
// tab titles, buttons and labelled controls.
namespace vantor::qt::accesskeys {

// The letter a text's '&' marks, or a null QChar.
QChar MarkedLetter(const QString& text);
// The text with an access letter unique among `used`, which gains it: the
// letter the text marks already when free, else the first free initial of a
// word, else any free letter or digit. Without a free one the text is left
// unmarked.
QString Assign(const QString& text, QSet<QChar>& used);

} // namespace vantor::qt::accesskeys
