// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds, read through Qt's own accessibility interfaces, the ones the
// platform's accessibility bridge (AT-SPI, UI Automation) hands on.
#include <functional>

#include <QAccessible>
#include <QMenu>
#include <QTest>

#include "ui/word_window/word_window_fixture.h"
#include "words/categories.h"

using namespace vorlix;
using namespace Qt::StringLiterals;

namespace {

// Calls `visit` for every interface below `root`, depth first.
void walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit)
{
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child) continue;
        visit(child);
        walk(child, visit);
    }
}

QString nameOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

}  // namespace

class TestScreenReader : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture_.emplace();
        fixture_->installDatabase();
    }
    void cleanup() { fixture_.reset(); }

    void wordWindowIsNamedAndReadsAsOneLine()
    {
        FrmShow& window = fixture_->start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
        QCOMPARE(root->text(QAccessible::Name), u"Vorlix"_s);
        QCOMPARE(window.windowTitle(), QString());

        // The labels that only hold the word or measure it are there too, but marked not showing.
        QStringList showing;
        walk(root, [&](QAccessibleInterface* element) {
            const QString text = element->text(QAccessible::Name);
            if (!element->state().invisible && !text.isEmpty()) showing << text;
        });
        QCOMPARE(showing, QStringList{window.LB->text()});
        QVERIFY(window.LB->text().contains(u"  |  "_s));
    }

    void everyControlIsNamedByItsCaption()
    {
        FrmShow& window = fixture_->start();
        window.mnusetup_Click();
        QWidget* dialog = window.optionsDialog();
        QCOMPARE(nameOf(dialog), u"Setup Option"_s);

        QStringList unnamed;
        walk(QAccessible::queryAccessibleInterface(dialog), [&](QAccessibleInterface* element) {
            if (element->text(QAccessible::Name).isEmpty()) unnamed << element->object()->objectName();
        });
        QCOMPARE(unnamed, QStringList());
        for (int index = 0; index < kCategoryCount; ++index) {
            const QString caption =
                QString::fromUtf8(kCategories[size_t(index)].caption.data()).replace(u"&&"_s, u"&"_s);
            QCOMPARE(nameOf(dialog->findChild<QWidget*>(u"Option1_%1"_s.arg(index))), caption);
        }
        for (const char* name : {"Text1", "VScroll2"})
            QCOMPARE(nameOf(dialog->findChild<QWidget*>(name)), u"Display time"_s);
        QCOMPARE(nameOf(dialog->findChild<QWidget*>("Check2")), u"Always On top-screen"_s);

        QStringList items;
        for (QAction* item : window.mnumain->actions()) {
            if (!item->isSeparator()) items << item->text();
        }
        QStringList names;
        walk(QAccessible::queryAccessibleInterface(window.mnumain), [&](QAccessibleInterface* element) {
            const auto* item = qobject_cast<QAction*>(element->object());
            if (element->role() == QAccessible::MenuItem && item->isVisible())
                names << element->text(QAccessible::Name);
        });
        QCOMPARE(names, (QStringList{u"Pause"_s, u"I know it"_s, u"Say it"_s, u"Option"_s, u"Help"_s, u"Website"_s,
                                     u"E_mail"_s, u"Exit"_s}));
    }

private:
    std::optional<test::WordWindowFixture> fixture_;
};

QTEST_MAIN(TestScreenReader)
#include "test_screen_reader.moc"
