// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// Every line the word window can show, fitted by the window itself and held against what its label
// paints: one line wherever one fits, exactly as wide as it needs, and never a line cut off. The
// suite runs once at 96 and once at 144 DPI (see CMakeLists.txt), with the real font.
#include <QtTest>

#include <fstream>

#include <QImage>
#include <QPainter>

#include "ui/twips.h"
#include "ui/word_window/qt_text_measurer.h"
#include "ui/word_window/word_window_fixture.h"
#include "word_list.h"
#include "words/categories.h"
#include "words/word_source_message.h"

using namespace vorlix;
using vorlix::test::WordWindowFixture;

namespace {

// Where the program may stand: a short folder, one long enough to need several lines, and where
// the installer puts it on Windows, whose separator gives a line no place to break of itself.
const std::string kShortFolder = "/opt/vorlix";
const std::string kLongFolder = "/home/someone/.local/share/applications/Vorlix Vocabulary Trainer 1.0/program files";
const std::string kWindowsFolder = "C:\\Users\\Someone Else\\AppData\\Local\\Programs\\Vorlix";

std::vector<std::string> wordSourceMessages()
{
    std::vector<std::string> messages;
    for (const std::string& folder : {kShortFolder, kLongFolder, kWindowsFolder}) {
        const std::string database = folder + (folder == kWindowsFolder ? "\\" : "/") + "reg.ocx";
        for (const auto& [failure, detail] : std::vector<std::pair<WordSourceFailure, std::string>>{
                 {WordSourceFailure::FileMissing, ""},
                 {WordSourceFailure::Unreadable, "cannot be read: " + database + " (Permission denied)"},
                 {WordSourceFailure::Unreadable, "cannot be read: " + database + " (not a regular file)"},
                 {WordSourceFailure::Unreadable, "damaged Access database: " + database + " (truncated)"},
                 {WordSourceFailure::Unreadable, "not an Access database: " + database},
                 {WordSourceFailure::Unreadable,
                  "the word reader cannot be started: " + folder + "/vorlix-words (No such file or directory)"},
                 {WordSourceFailure::Unreadable, ""},
                 {WordSourceFailure::WrongPassword, ""},
                 {WordSourceFailure::QueryFailed, "the query failed: no table word"},
             }) {
            messages.push_back(wordSourceMessage(failure, detail, folder, kFirstRunCategory));
        }
        messages.push_back(unreadRestMessage("damaged Access database: " + database + " (reading it failed)", folder));
    }
    for (int category = 0; category < kCategoryCount; ++category)
        messages.push_back(wordSourceMessage(WordSourceFailure::None, "", kShortFolder, category));
    return messages;
}

// The rows of `image` that hold any ink, as [first, last]; {-1, -1} when none do.
std::pair<int, int> inkedRows(const QImage& image)
{
    std::pair<int, int> rows{-1, -1};
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0) continue;
            if (rows.first < 0) rows.first = y;
            rows.second = y;
            break;
        }
    }
    return rows;
}

}  // namespace

class TestLineLayout : public QObject {
    Q_OBJECT

    WordWindowFixture fixture_;
    FrmShow* window_ = nullptr;
    int lineHeight_ = 0;

    // What the label paints of its text when `width` wide and given room to spare below.
    QImage painted(int width)
    {
        QLabel& label = *window_->LB;
        const QSize shown = label.size();
        label.resize(width, shown.height() + 4 * lineHeight_);
        QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        label.render(&image, {}, {}, QWidget::DrawChildren);
        label.resize(shown);
        return image;
    }

    bool paintsOneLine(int width) { return inkedRows(painted(width)).second < lineHeight_; }

    struct Faults {
        QStringList moreLinesThanNeeded;
        QStringList widerThanNeeded;
        QStringList cut;
    };

    // Fits the window to each line as a tick would, and records where the label disagrees.
    Faults fitEach(const std::vector<std::string>& lines)
    {
        Faults faults;
        const double dpi = window_->logicalDpiX();
        // Whole pixels within the line-count width: what fits there fits at 5000 twips.
        const int countingWidth = static_cast<int>(std::floor(5000 * dpi / kTwipsPerInch + 1e-6));
        const int minimumWidth = static_cast<int>(std::ceil(2100 * dpi / kTwipsPerInch));
        for (const std::string& text : lines) {
            const QString line = QString::fromStdString(text);
            window_->showNotice(line);
            const QLabel& label = *window_->LB;
            const qreal needed = QFontMetricsF(label.font())
                                     .boundingRect(QRectF(0, 0, label.width(), 2000),
                                                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label.text())
                                     .width();
            if (inkedRows(painted(label.width())).second >= label.height() || needed > label.width())
                faults.cut << line;
            if (line.contains(u'\n') || !paintsOneLine(countingWidth)) continue;
            if (!paintsOneLine(label.width()))
                faults.moreLinesThanNeeded << line;
            else if (label.width() > minimumWidth && paintsOneLine(label.width() - 1))
                faults.widerThanNeeded << line;
        }
        return faults;
    }

    void report(const char* what, size_t lines, const Faults& faults)
    {
        qInfo(
            "%s at %d DPI: %zu lines, %lld given more lines than they need, %lld wider than they need, "
            "%lld cut",
            what, window_->logicalDpiX(), lines, qsizetype(faults.moreLinesThanNeeded.size()),
            qsizetype(faults.widerThanNeeded.size()), qsizetype(faults.cut.size()));
        QVERIFY2(faults.moreLinesThanNeeded.isEmpty(), qPrintable(faults.moreLinesThanNeeded.join(" / ")));
        QVERIFY2(faults.widerThanNeeded.isEmpty(), qPrintable(faults.widerThanNeeded.join(" / ")));
        QVERIFY2(faults.cut.isEmpty(), qPrintable(faults.cut.join(" / ")));
    }

    static std::vector<std::string> bundledPairs()
    {
        std::ifstream in(VORLIX_SOURCE_DIR "/data/words.tsv", std::ios::binary);
        std::vector<std::string> lines;
        for (const wordbase::WordPair& pair :
             wordbase::readWordList(std::string(std::istreambuf_iterator<char>(in), {})).pairs)
            lines.push_back(pair.english + "  |  " + pair.spanish);
        return lines;
    }

private slots:
    void initTestCase()
    {
        window_ = &fixture_.make();
        QFontMetrics metrics(window_->LB->font());
        lineHeight_ = metrics.height();
    }

    // Wrapped at any width, a line's height is a whole number of its one-line height: the fit
    // divides one by the other to count the lines.
    void linesCountWhole()
    {
        const QtTextMeasurer measure(*window_->LB);
        int wrapped = 0;
        for (const std::string& text : bundledPairs()) {
            for (const float width : {kLineCountWidth, 1500.0f, 2100.0f, 3333.0f}) {
                const float lines = measure.wrappedHeight(text, width) / measure.lineHeight(text);
                QVERIFY2(lines == std::round(lines), qPrintable(QStringLiteral("%1 lines at %2 twips: %3")
                                                                    .arg(lines)
                                                                    .arg(width)
                                                                    .arg(QString::fromStdString(text))));
                if (lines > 1) ++wrapped;
            }
        }
        QVERIFY(wrapped > 1000);
    }

    // Lines are counted at the width asked for, not at the whole pixels above it: 5000 twips are
    // 333.33 pixels at 96 DPI, where a line of 333.5 takes two lines.
    void wrapsAtTheExactWidth()
    {
        const QtTextMeasurer measure(*window_->LB);
        const QFontMetricsF metrics(window_->LB->font(), window_->LB);
        const double dpi = window_->logicalDpiX();
        int tried = 0;
        for (const std::string& text : bundledPairs()) {
            const double natural =
                metrics.boundingRect(QRectF(0, 0, 0, 2000), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text))
                    .width();
            // A quarter of a pixel less, where the whole pixel above is still as wide as the line.
            const double fraction = natural - std::floor(natural);
            if (fraction > 0 && fraction <= 0.3) continue;
            const auto narrower = static_cast<float>(pixelsToTwips(natural - 0.25, dpi));
            QCOMPARE(measure.wrappedHeight(text, narrower), 2 * measure.lineHeight(text));
            QCOMPARE(measure.wrappedHeight(text, measure.oneLineWidth(text)), measure.lineHeight(text));
            ++tried;
        }
        QVERIFY(tried > 100);
    }

    void everyBundledPair()
    {
        const std::vector<std::string> lines = bundledPairs();
        QVERIFY(lines.size() > 1000);
        report("bundled pairs", lines.size(), fitEach(lines));
    }

    void everyWordSourceMessage()
    {
        const std::vector<std::string> messages = wordSourceMessages();
        report("word source messages", messages.size(), fitEach(messages));
    }

    // Words of a learner's own list that no line of the window holds whole.
    void everyOverlongWord()
    {
        const std::string word = "pneumonoultramicroscopicsilicovolcanoconiosisandsomethingmorethanthat";
        const std::vector<std::string> lines{
            word + "  |  la palabra",
            "a  |  " + word,
            "see https://en.example.org/wiki/Some_very_long_article_name_about_the_rain_in_spain_2026  |  "
            "mira la página",
            std::string(80, 'x') + " " + std::string(200, 'y') + "  |  ñ" + std::string(120, 'e') + "\u0301",
        };
        report("overlong words", lines.size(), fitEach(lines));
    }

    // The notices of a save that failed, the dialog's two joined on two lines.
    void everySaveNotice()
    {
        WordWindowFixture refused;
        refused.store.refuseWrites = true;
        refused.installDatabase();
        FrmShow& w = refused.start();
        std::vector<std::string> notices{refused.line().toStdString()};
        refused.settings.ssave = 1;
        refused.settings.mark = 1;
        refused.startupEntry.refuse = true;
        w.mnusetup_Click();
        w.optionsDialog()->close();
        notices.push_back(refused.line().toStdString());
        QVERIFY(QString::fromStdString(notices.back()).contains(u'\n'));
        report("save notices", notices.size(), fitEach(notices));
    }
};

QTEST_MAIN(TestLineLayout)
#include "test_line_layout.moc"
