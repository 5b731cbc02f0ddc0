// Helpers for the widget tests: a temporary game folder, pictures, indexed controls, answering modal windows.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QInputMethodEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace surabe::testsupport {

// A fresh current directory for one test, like the folder the game is started in.
class GameFolder {
public:
    GameFolder() : previous_(QDir::currentPath())
    {
        QDir::setCurrent(dir_.path());
    }
    ~GameFolder() { QDir::setCurrent(previous_); }
    QString Path(const QString &name) const { return dir_.filePath(name); }

    QByteArray Read(const QString &name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(Path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// A picture where every pixel differs from its neighbours, so any shift of a piece shows.
inline QImage NoisyPicture(int width = 211, int height = 157)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xff000000u | (random.generate() & 0xffffffu));
    return image;
}

inline void SavePicture(const QString &path, const QImage &image = NoisyPicture())
{
    QVERIFY(image.save(path, "BMP"));
}

// Types text the way an input method delivers it (Japanese cannot come as single key presses).
inline void TypeText(QWidget *widget, const QString &text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(widget, &commit);
}

// Presses a half-width kana key, as a kana keyboard layout delivers it.
inline void PressKana(QWidget *widget, QChar kana, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(kana.unicode()), QString(kana), modifiers);
}

template <typename T = QWidget>
T *FindIndexed(QObject *root, const char *name, int index)
{
    const auto all = root->findChildren<T *>(QString::fromLatin1(name));
    for (T *widget : all)
        if (widget->property("index").toInt() == index)
            return widget;
    return nullptr;
}

namespace detail {

// How many modal windows tests have asked to answer and are still waiting for.
inline int &AwaitedModals()
{
    static int awaited = 0;
    return awaited;
}

} // namespace detail

// Runs `answer` on the next modal window as soon as it is shown (call before the code that
// opens it). The answer must close the window.
inline void AnswerNextModal(std::function<void(QWidget *)> answer)
{
    ++detail::AwaitedModals();
    auto *poll = new QTimer(qApp);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        --detail::AwaitedModals();
        answer(modal);
    });
    poll->start();
}

// A modal window that no test is waiting for would hold its test until the time limit: it
// fails the test at once, saying what it showed, and is closed. A test that answers a window
// with a timer of its own has a second to do so.
inline void FailOnUnexpectedModals()
{
    auto *watch = new QTimer(qApp);
    watch->setInterval(50);
    auto seen = std::make_shared<QPointer<QWidget>>();
    auto since = std::make_shared<QElapsedTimer>();
    QObject::connect(watch, &QTimer::timeout, watch, [seen, since] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || detail::AwaitedModals() > 0) {
            *seen = nullptr;
            return;
        }
        if (*seen != modal) {
            *seen = modal;
            since->start();
            return;
        }
        if (since->elapsed() < 1000)
            return;
        QString shown = modal->objectName() + QStringLiteral(" \"") + modal->windowTitle() + u'"';
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            shown += QStringLiteral(": ") + box->text();
        *seen = nullptr;
        QTest::qFail(qPrintable(QStringLiteral("an unexpected modal window: ") + shown), __FILE__, __LINE__);
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    });
    watch->start();
}

Q_COREAPP_STARTUP_FUNCTION(FailOnUnexpectedModals)

} // namespace surabe::testsupport
