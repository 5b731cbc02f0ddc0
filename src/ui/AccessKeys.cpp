// The second access key of a caption such as "左マージン(&L&ﾋ)": the half-width kana key that does the same on kana input.
#include "AccessKeys.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QShortcut>

namespace surabe {

namespace {

class KanaMenu : public QMenu {
public:
    using QMenu::QMenu;

protected:
    // Qt knows one access key per item (the Latin letter); the kana one is matched here and
    // then handled exactly as Enter on that item.
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->text().size() == 1) {
            for (QAction *action : actions()) {
                if (!KanaAccessKey(action->text()).isNull() && KanaAccessKey(action->text()) == event->text().at(0)) {
                    setActiveAction(action);
                    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                    QMenu::keyPressEvent(&enter);
                    return;
                }
            }
        }
        QMenu::keyPressEvent(event);
    }
};

} // namespace

QChar KanaAccessKey(const QString &caption)
{
    int marks = 0;
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') { // "&&" is a literal ampersand
            ++i;
            continue;
        }
        if (++marks == 2)
            return caption[i + 1];
    }
    return {};
}

QKeySequence AltKana(QChar kana)
{
    return QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(kana.toUpper().unicode())));
}

void AddKanaAccessKey(QLabel *label)
{
    const QChar kana = KanaAccessKey(label->text());
    if (kana.isNull() || !label->buddy())
        return;
    auto *shortcut = new QShortcut(AltKana(kana), label->window());
    QObject::connect(shortcut, &QShortcut::activated, label,
                     [label] { label->buddy()->setFocus(Qt::ShortcutFocusReason); });
}

QMenu *NewMenuWithKanaKeys(const QString &title, QWidget *parent)
{
    return new KanaMenu(title, parent);
}

} // namespace surabe
