#pragma once

#include <QDialog>
#include <QString>

#include <functional>

// The standard error box: every failure raised in a handler ends up here.
namespace loco {

// Receives the box's caption and its final text (full stop already appended).
using ErrorReporter = std::function<void(const QString& caption, const QString& text)>;

// Replaces the reporter (tests record instead of showing a modal box);
// returns the previous one. An empty reporter restores the message box.
ErrorReporter setErrorReporter(ErrorReporter reporter);

// The message as the box shows it: a full stop is appended when the last
// character sorts after '.', so "Done." or "Wait -" get none; then a message
// of more than 1,000 characters is shortened in its middle with "…".
QString errorBoxText(const QString& message);

// Shows the message under the application's title through the current reporter.
void reportError(const QString& message);

// The box the standard reporter shows: a red cross, the text and "OK". The
// text is plain and held as given; it wraps at blanks, and anywhere within a
// run too long for a line (a pasted entry, a path). Ctrl+C copies it.
class ErrorBox : public QDialog {
    Q_OBJECT

public:
    ErrorBox(const QString& caption, const QString& text, QWidget* parent = nullptr);

    QString text() const { return text_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QString text_;
};

} // namespace loco
