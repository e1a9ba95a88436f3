#include "TestSupport.h"
#include "core/AsanaCatalogue.h"
#include "core/SunSign.h"
#include "gui/AsanaBrowser.h"
#include "gui/MainWindow.h"
#include "gui/ReadingWindow.h"
#include "gui/style/Look.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

namespace {

// A reading for the sign, shown on the "Yoga Asanas" tab of its reading window.
struct YogaTab
{
    TestApp t;
    ReadingWindow* window = nullptr;
    QWidget* fraSelectYoga = nullptr;

    explicit YogaTab(const QString& sign)
    {
        t.start();
        window = t.readSign(sign);
        child<QTabWidget>(window, "SSTab1")->setCurrentIndex(2);
        fraSelectYoga = child<QWidget>(window, "fraSelectYoga");
    }

    QWidget* frame(const QString& sign) const { return child<QGroupBox>(fraSelectYoga, "fra" + sign); }
    QWidget* detail() const { return control<QWidget>("fraYogaProcedure"); }
    template <typename T> T* control(const char* name) const { return child<T>(fraSelectYoga, QLatin1String(name)); }
    QList<AsanaLabel*> labels(const QString& sign) const
    {
        QList<AsanaLabel*> list = frame(sign)->findChildren<AsanaLabel*>();
        std::sort(list.begin(), list.end(), [](AsanaLabel* a, AsanaLabel* b) { return a->y() < b->y(); });
        return list;
    }
    // The signs of the frames on view.
    QStringList visibleFrames() const
    {
        QStringList shown;
        for (const QGroupBox* frame : fraSelectYoga->findChildren<QGroupBox*>()) {
            if (frame->isVisible())
                shown << frame->objectName().mid(3);
        }
        return shown;
    }

    // Delivers a pointer move where the window system would: to the topmost widget under the point.
    void movePointer(const QPoint& inTab) const
    {
        QWidget* target = fraSelectYoga->childAt(inTab);
        if (!target)
            target = fraSelectYoga;
        const QPoint local = target->mapFrom(fraSelectYoga, inTab);
        QMouseEvent move(
            QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    void movePointer(const QWidget* widget) const
    {
        movePointer(widget->mapTo(fraSelectYoga, widget->rect().center()));
    }
};

QString shownText(const QPlainTextEdit* box)
{
    return box->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QStringList underlined(const QList<AsanaLabel*>& labels)
{
    QStringList names;
    for (const AsanaLabel* label : labels) {
        if (label->font().underline())
            names << label->objectName();
    }
    return names;
}

} // namespace

class TestAsanaBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Style::installFonts(); }
    void signFrameStacksItsAsanasInRows_data();
    void signFrameStacksItsAsanasInRows();
    void clickShowsTheAsanaAndBackReturnsToTheSign_data();
    void clickShowsTheAsanaAndBackReturnsToTheSign();
    void hoverUnderlinesUntilTheBackgroundIsCrossed();
    void clickedLabelStaysUnderlinedAfterBack();
    void introductionAndInstructionAreInPlace();
    void detailPageSurvivesTabSwitches();
};

void TestAsanaBrowser::signFrameStacksItsAsanasInRows_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QList<int>>("gaps");
    QTest::addColumn<QStringList>("names");
    const auto row = [](const char* sign, QList<int> gaps, const char* names) {
        QTest::newRow(sign) << QString::fromLatin1(sign) << gaps << QString::fromLatin1(names).split(QLatin1Char(' '));
    };
    row("Aries", {32, 32}, "lblSarvaangaasanaaAries lblMakaraasanaaAries lblSavaasanaaAries");
    row("Taurus", {32, 32}, "lblSarvaangaasanaaTaurus lblHaalaasanaaTaurus lblSavaasanaaTaurus");
    row("Gemini", {24, 24, 24, 24},
        "lblPadmaasanaaGemini lblMakaraasanaaGemini lblDhanuraasanaaGemini lblSarvaangaasanaaGemini "
        "lblSavaasanaaGemini");
    row("Cancer", {24, 24, 24, 24},
        "lblBhujangaasanaaCancer lblPaschimottasanaaCancer lblDhanuraasanaaCancer lblPadmaasanaaCancer "
        "lblSavaasanaaCancer");
    row("Leo", {32, 24, 24}, "lblYogaMudraLeo lblBhujangaasaanaLeo lblNaukaasanaaLeo lblSavaasanaaLeo");
    row("Virgo", {24, 24, 24, 24},
        "lblSarvaangaasanaaVirgo lblHaalaasanaaVirgo lblDhanuraasanaaVirgo lblBhujangaasanaaVirgo lblSavaasanaaVirgo");
    row("Libra", {24, 24, 24}, "lblSarvaangaasanaaLibra lblPadmaasanaaLibra lblYogaMudraLibra lblSavaasanaaLibra");
    row("Scorpio", {24, 24, 24, 24},
        "lblSarvaangaasanaaScorpio lblBhujangaasanaaScorpio lblMayuraasanaaScorpio lblDhanuraasanaaScorpio "
        "lblSavaasanaaScorpio");
    row("Sagittarius", {24, 24, 24, 24},
        "lblSarvaangaasanaaSagittarius lblVajraasanaaSagittarius lblMayuraasanaaSagittarius "
        "lblBhujangaasanaaSagittarius lblSavaasanaaSagittarius");
    row("Capricorn", {24, 24, 24, 24, 24, 24},
        "lblSarvaangaasanaaCapricorn lblDhanuraasanaaCapricorn lblPaschimottaasanaaCapricorn "
        "lblBhujangaasanaaCapricorn lblSimhaasanaaCapricorn lblPadmaasanaaCapricorn lblSavaasanaaCapricorn");
    row("Aquarius", {24, 24, 24, 24, 24},
        "lblSarvaangaasanaaAquarius lblDhanuraasanaaAquarius lblPaschimottaasanaaAquarius lblBhujangaasanaaAquarius "
        "lblPadmaasanaaAquarius lblSavaasanaaAquarius");
    row("Pisces", {24, 24, 24, 24, 24, 24},
        "lblSarvaangaasanaaPisces lblMakaraasanaaPisces lblBhujangaasanaaPisces lblGarudaasanaaPisces "
        "lblMayuraasanaaPisces lblYogaMudraaPisces lblSavaasanaaPisces");
}

void TestAsanaBrowser::signFrameStacksItsAsanasInRows()
{
    QFETCH(QString, sign);
    QFETCH(QList<int>, gaps);
    QFETCH(QStringList, names);
    YogaTab tab(sign);

    QCOMPARE(tab.visibleFrames(), QStringList {sign});
    auto* frame = qobject_cast<QGroupBox*>(tab.frame(sign));
    QCOMPARE(frame->title(), QStringLiteral("Recommended Yoga Asanas For ") + sign);
    QVERIFY(frame->font().bold());
    QCOMPARE(frame->font().pointSizeF(), 9.75);
    QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(frame->palette().color(QPalette::Window), Style::lightYellow);

    const QList<AsanaLabel*> labels = tab.labels(sign);
    QStringList captions;
    for (const RecommendedAsana& entry : recommendedAsanas(sign))
        captions << asana(entry.number).displayName;
    QStringList shownNames;
    QStringList shownCaptions;
    for (int i = 0; i < labels.size(); ++i) {
        AsanaLabel* label = labels[i];
        shownNames << label->objectName();
        shownCaptions << label->text();
        QCOMPARE(label->font().pointSizeF(), 9.75);
        QVERIFY(label->font().bold());
        QVERIFY(!label->font().underline());
        QCOMPARE(label->palette().color(QPalette::WindowText), Style::brown);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY2(qAbs(label->geometry().center().x() - labels[0]->geometry().center().x()) <= 1, "column off axis");
        if (i > 0)
            QCOMPARE(label->y() - labels[i - 1]->y(), gaps[i - 1]);
    }
    QCOMPARE(shownNames, names);
    QCOMPARE(shownCaptions, captions);

    const QRect area = frame->contentsRect();
    QVERIFY2(qAbs(labels[0]->geometry().center().x() - area.center().x()) <= 1, "column not centred");
    const int above = labels.first()->y() - area.top();
    const int below = area.bottom() - labels.last()->geometry().bottom();
    QVERIFY2(above > 0 && below > 0 && qAbs(above - below) <= 1,
        qPrintable(QStringLiteral("%1 above, %2 below").arg(above).arg(below)));
}

void TestAsanaBrowser::clickShowsTheAsanaAndBackReturnsToTheSign_data()
{
    QTest::addColumn<QString>("sign");
    for (const QString& sign : signNames())
        QTest::newRow(qPrintable(sign)) << sign;
}

void TestAsanaBrowser::clickShowsTheAsanaAndBackReturnsToTheSign()
{
    QFETCH(QString, sign);
    YogaTab tab(sign);
    QWidget* detail = tab.detail();
    QVERIFY(detail && !detail->isVisible());

    for (AsanaLabel* label : tab.labels(sign)) {
        const Asana& record = asana(label->asana());
        QTest::mouseClick(label, Qt::LeftButton);

        QVERIFY2(detail->isVisible(), qPrintable(label->objectName()));
        QCOMPARE(detail->geometry(), QRect(0, 0, 769, 433));
        QVERIFY(tab.visibleFrames().isEmpty());
        auto* plate = tab.control<QLabel>("lblAsanaName");
        QCOMPARE(plate->text(), record.displayName);
        QVERIFY2(plate->width() >= plate->sizeHint().width(), "name plate cuts the name off");
        QCOMPARE(tab.control<QLabel>("lblEnglishName")->text(), record.englishName);
        QCOMPARE(shownText(tab.control<QPlainTextEdit>("txtYogaDefination")), record.definition);
        QCOMPARE(shownText(tab.control<QPlainTextEdit>("txtProcedure")), record.procedure);
        QCOMPARE(shownText(tab.control<QPlainTextEdit>("txtBenefits")), record.benefits);
        QCOMPARE(shownText(tab.control<QPlainTextEdit>("txtContradiction")), record.contraIndication);
        QCOMPARE(tab.control<QPlainTextEdit>("txtProcedure")->verticalScrollBar()->value(), 0);
        const QPixmap expected(record.picture);
        QVERIFY2(!expected.isNull(), qPrintable(record.picture));
        QCOMPARE(expected.size(), QSize(250, 250));
        QCOMPARE(tab.control<QLabel>("picYoga")->pixmap().toImage(), expected.toImage());

        QTest::mouseClick(tab.control<QPushButton>("cmdYogaBack"), Qt::LeftButton);
        QVERIFY(!detail->isVisible());
        QCOMPARE(tab.visibleFrames(), QStringList {sign});
    }
}

void TestAsanaBrowser::hoverUnderlinesUntilTheBackgroundIsCrossed()
{
    YogaTab tab(QStringLiteral("Gemini"));
    const QList<AsanaLabel*> labels = tab.labels(QStringLiteral("Gemini"));
    const QWidget* frame = tab.frame(QStringLiteral("Gemini"));
    QCOMPARE(labels.size(), 5);

    tab.movePointer(labels[0]);
    QCOMPARE(underlined(labels), QStringList {"lblPadmaasanaaGemini"});
    // Straight onto the next label without crossing the background: the first keeps its underline.
    tab.movePointer(labels[1]);
    QCOMPARE(underlined(labels), QStringList({"lblPadmaasanaaGemini", "lblMakaraasanaaGemini"}));

    // The gap between two rows is the frame's own background.
    const QPoint gap = frame->mapTo(
        tab.fraSelectYoga, QPoint(labels[2]->geometry().center().x(), labels[2]->geometry().bottom() + 3));
    QCOMPARE(tab.fraSelectYoga->childAt(gap), frame);
    tab.movePointer(gap);
    QVERIFY(underlined(labels).isEmpty());

    // Introduction, instruction and tab background.
    tab.movePointer(labels[4]);
    for (const char* name : {"Label33", "Label34", "Label35", "Label36", "Label37"})
        tab.movePointer(tab.control<QLabel>(name));
    QCOMPARE(underlined(labels), QStringList {"lblSavaasanaaGemini"});
    tab.movePointer(QPoint(8, 420));
    QVERIFY(underlined(labels).isEmpty());
}

void TestAsanaBrowser::clickedLabelStaysUnderlinedAfterBack()
{
    YogaTab tab(QStringLiteral("Leo"));
    AsanaLabel* naukasana = tab.labels(QStringLiteral("Leo")).at(2);
    tab.movePointer(naukasana);
    QTest::mouseClick(naukasana, Qt::LeftButton);

    // Moving over the detail page changes nothing underneath it.
    tab.movePointer(QPoint(8, 8));
    tab.movePointer(tab.control<QPlainTextEdit>("txtProcedure"));
    QTest::mouseClick(tab.control<QPushButton>("cmdYogaBack"), Qt::LeftButton);
    QVERIFY(naukasana->isVisible());
    QVERIFY(naukasana->font().underline());

    tab.movePointer(QPoint(8, 420));
    QVERIFY(!naukasana->font().underline());
}

void TestAsanaBrowser::introductionAndInstructionAreInPlace()
{
    YogaTab tab(QStringLiteral("Aries"));
    // Top to bottom and left to right, as the introduction reads.
    const char* const paragraphs[YogaIntroductionCount] = {"Label33", "Label36", "Label35", "Label34"};
    for (int i = 0; i < YogaIntroductionCount; ++i) {
        auto* label = tab.control<QLabel>(paragraphs[i]);
        QCOMPARE(label->text(), yogaIntroduction(i));
        QVERIFY(label->wordWrap());
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), paragraphs[i]);
    }
    auto* instruction = tab.control<QLabel>("Label37");
    QCOMPARE(instruction->text(), QStringLiteral("Click on Asana to know its Procedure and Benefits"));
    QVERIFY2(instruction->width() >= instruction->sizeHint().width(), "instruction cut off");
    QVERIFY(qAbs(instruction->geometry().center().x() - QRect(200, 136, 358, 16).center().x()) <= 1);
}

void TestAsanaBrowser::detailPageSurvivesTabSwitches()
{
    YogaTab tab(QStringLiteral("Pisces"));
    QTest::mouseClick(tab.control<AsanaLabel>("lblGarudaasanaaPisces"), Qt::LeftButton);
    auto* tabs = child<QTabWidget>(tab.window, "SSTab1");
    tabs->setCurrentIndex(0);
    QVERIFY(!tab.detail()->isVisible());
    tabs->setCurrentIndex(2);
    QVERIFY(tab.detail()->isVisible());
    QCOMPARE(tab.control<QLabel>("lblEnglishName")->text(), QStringLiteral("Eagle Pose"));
    QVERIFY(tab.visibleFrames().isEmpty());
}

QTEST_MAIN(TestAsanaBrowser)
#include "tst_asanabrowser.moc"
