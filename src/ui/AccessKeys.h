// The second access key of a caption such as "左マージン(&L&ﾋ)": the half-width kana key that does the same on kana input.
#pragma once

#include <QChar>
#include <QKeySequence>
#include <QString>

class QLabel;
class QMenu;
class QWidget;

namespace surabe {

// The character after the caption's second '&', or a null QChar when it has none.
QChar KanaAccessKey(const QString &caption);

// Alt and the kana key, as a shortcut.
QKeySequence AltKana(QChar kana);

// Makes the label's kana key move the focus to its buddy, as its Latin letter does.
void AddKanaAccessKey(QLabel *label);

// A drop-down menu whose items also answer to their kana key while it is open.
QMenu *NewMenuWithKanaKeys(const QString &title, QWidget *parent);

} // namespace surabe
