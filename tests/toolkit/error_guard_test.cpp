#include "tests/support/error_recorder.h"
#include "toolkit/core/error.h"
#include "toolkit/error_box.h"
#include "toolkit/handler_guard.h"
#include "toolkit/panel.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace loco {
namespace {

struct FullStopCase {
    const char* name;
    const char* message;
    const char* shown;
};

class ErrorBoxTextTest : public testing::TestWithParam<FullStopCase> { };

// A full stop follows unless the message ends in a character sorting at or
// before '.', which keeps "Done." or "Wait -" from getting a second mark.
TEST_P(ErrorBoxTextTest, AppendsAFullStopOnlyAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(loco::errorBoxText(QString::fromUtf8(GetParam().message)), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Endings, ErrorBoxTextTest,
    testing::Values(FullStopCase{"FullStop", "Done.", "Done."}, FullStopCase{"Blank", "Done ", "Done "},
        FullStopCase{"Comma", "Done,", "Done,"}, FullStopCase{"Hyphen", "Done-", "Done-"},
        FullStopCase{"Exclamation", "Done!", "Done!"}, FullStopCase{"Quote", "'12x'", "'12x'"},
        FullStopCase{"Letter", "Floating point overflow", "Floating point overflow."},
        FullStopCase{"Digit", "JPEG error #42", "JPEG error #42."}, FullStopCase{"Slash", "a/", "a/."},
        FullStopCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A pasted entry quoted in a message: the box keeps the start, the end with
// its closing quote and full stop, and stays of a size that can be read.
TEST(ErrorBoxText, ShortensAVeryLongMessageInItsMiddle)
{
    const QString entry = QStringLiteral("1") + QString(8'000'000, QLatin1Char('2')) + QStringLiteral("3");
    const QString shown = errorBoxText(QStringLiteral("'%1' is not a valid floating point value").arg(entry));
    EXPECT_EQ(shown.size(), 1000);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("'12222")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("2223' is not a valid floating point value.")));
    EXPECT_EQ(shown.count(QChar(0x2026)), 1);
}

// The real box, answered as soon as it is up: what the user typed is text,
// never markup, and is held, read out and copied exactly as given; a long
// run without blanks wraps inside the box, which fits the screen.
TEST(ErrorBox, ShowsTheMessageAsGivenOnABoxThatFitsTheScreen)
{
    const ErrorReporter recording = setErrorReporter({});
    const QString path = QStringLiteral("/usr/share/lokomotif/D/delpi_hasil/gambar/tuneup/gbt_4 valve.jpg");
    for (const QString& message : {QStringLiteral("'<b>x</b>' is not a valid floating point value"),
             QStringLiteral("'<img width=20000 height=20000>' is not a valid floating point value"),
             QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(path),
             QString(5000, QLatin1Char('x'))}) {
        QString shown, readOut, copied;
        QSize size;
        bool allShown = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<ErrorBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            auto* label = box->findChild<QLabel*>(QStringLiteral("message"));
            shown = label->text();
            readOut = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            copied = QGuiApplication::clipboard()->text();
            size = box->size();
            allShown
                = label->heightForWidth(label->width()) <= label->height() && box->rect().contains(label->geometry());
            QTest::keyClick(box, Qt::Key_Return);
        });
        reportError(message);
        const QString expected = errorBoxText(message);
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(readOut, expected);
        EXPECT_EQ(copied, expected);
        EXPECT_TRUE(allShown);
        EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().size().boundedTo(size) == size)
            << size.width() << "x" << size.height();
    }
    setErrorReporter(recording);
}

class Window : public QWidget {
public:
    int calls = 0;
    void failing()
    {
        ++calls;
        throw loco::Error("Floating point division by zero");
    }
    void failingOther()
    {
        ++calls;
        throw std::out_of_range("List index out of bounds (3)");
    }
};

TEST(HandlerGuard, ShowsTheErrorUnderTheProgramTitleAndKeepsProcessingEvents)
{
    ErrorRecorder recorder;
    Window window;
    Panel button(&window);
    button.resize(40, 20);
    loco::connectHandler(&button, &Panel::clicked, &window, &Window::failing);

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));

    EXPECT_EQ(window.calls, 2);
    EXPECT_EQ(recorder.texts, (QStringList{"Floating point division by zero.", "Floating point division by zero."}));
    EXPECT_EQ(recorder.captions.value(0), QCoreApplication::applicationName());
}

TEST(HandlerGuard, CatchesEveryStandardException)
{
    ErrorRecorder recorder;
    Window window;
    Panel button(&window);
    button.resize(40, 20);
    loco::connectHandler(&button, &Panel::clicked, &window, &Window::failingOther);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    // A closing bracket sorts before the full stop, so none is appended.
    EXPECT_EQ(recorder.texts, QStringList{"List index out of bounds (3)"});
}

TEST(HandlerGuard, ErrorsInQueuedHandlersNeverReachTheEventLoop)
{
    ErrorRecorder recorder;
    Window window;
    bool later = false;
    QMetaObject::invokeMethod(
        &window, [&] { loco::runGuarded([&] { window.failing(); }); }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        &window, [&] { later = true; }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    EXPECT_TRUE(later);
    EXPECT_EQ(recorder.texts.size(), 1);
}

} // namespace
} // namespace loco
