#include "records/JobCardDialog.h"
#include "tests/support/windows_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace loco::records {
namespace {

QString description(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
}

TEST(JobCardDialogTest, ARefusedNumberSaysWhyUnderTheFieldAndEnterFilesOnceItIsGood)
{
    // Nothing typed matches a completion: offscreen, a completion list that
    // closed keeps the keyboard.
    JobCardDialog dialog({QStringLiteral("Diagnosa – Sistem rem"), {}, {QStringLiteral("BB 303 12")}});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_EQ(focusName(), "LocomotiveEdit");
    auto* number = control<QLineEdit>(&dialog, "LocomotiveEdit");
    auto* problem = control<QLabel>(&dialog, "LocomotiveProblem");

    typeKeys(QStringLiteral("cc201/89"));
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(problem->isVisible());
    EXPECT_EQ(problem->text(), QStringLiteral("Nomor lokomotif hanya berisi huruf dan angka; \"/\" tidak boleh."));
    EXPECT_EQ(problem->geometry().left(), number->geometry().left());
    EXPECT_GE(problem->geometry().top(), number->geometry().bottom());
    EXPECT_EQ(description(number), problem->text());
    EXPECT_EQ(focusName(), "LocomotiveEdit");
    EXPECT_EQ(number->selectedText(), number->text());

    typeKeys(QStringLiteral("cc201-89-08"));
    EXPECT_FALSE(problem->isVisible());
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(number->text(), QStringLiteral("CC 201 89 08"));
    EXPECT_EQ(focusName(), "DepotEdit");
    typeKeys(QStringLiteral("Dipo Sidotopo"));
    pressKey(Qt::Key_Tab);
    typeKeys(QStringLiteral("Budi"));
    pressKey(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const JobCardAnswer& answer = dialog.answer();
    EXPECT_EQ(answer.card.locomotive, "CC 201 89 08");
    EXPECT_EQ(answer.card.depot, "Dipo Sidotopo");
    EXPECT_EQ(answer.card.technician, "Budi");
    EXPECT_EQ(answer.card.status, WorkStatus::Done);
    EXPECT_EQ(answer.after, AfterFiling::Nothing);
}

} // namespace
} // namespace loco::records
