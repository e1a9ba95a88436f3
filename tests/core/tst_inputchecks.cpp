#include "core/InputChecks.h"

#include <QTest>

namespace {
const QString Fine;
const QString BadFebruary = QStringLiteral("Please Enter Correct Date Or Month!");
const QString BadThirtyFirst = QStringLiteral("Please Enter Correct Date Or Month !");
} // namespace

class TestInputChecks : public QObject
{
    Q_OBJECT
private slots:
    void judgesDates_data();
    void judgesDates();
    void refusesABlankName_data();
    void refusesABlankName();
    void filtersNameKeys_data();
    void filtersNameKeys();
};

void TestInputChecks::judgesDates_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("problem");
    QTest::newRow("29 Feb 1900, a century that does not leap") << 29 << 2 << 1900 << BadFebruary;
    QTest::newRow("29 Feb 2000, a century that leaps") << 29 << 2 << 2000 << Fine;
    QTest::newRow("29 Feb 1901") << 29 << 2 << 1901 << BadFebruary;
    QTest::newRow("28 Feb 1901") << 28 << 2 << 1901 << Fine;
    QTest::newRow("30 Feb 2000") << 30 << 2 << 2000 << BadFebruary;
    QTest::newRow("31 Feb 2000") << 31 << 2 << 2000 << BadFebruary;
    QTest::newRow("31 Feb 1999") << 31 << 2 << 1999 << BadFebruary;
    QTest::newRow("31 Apr") << 31 << 4 << 1990 << BadThirtyFirst;
    QTest::newRow("31 Jun") << 31 << 6 << 1990 << BadThirtyFirst;
    QTest::newRow("31 Sep") << 31 << 9 << 1990 << BadThirtyFirst;
    QTest::newRow("31 Nov") << 31 << 11 << 1990 << BadThirtyFirst;
    QTest::newRow("30 Nov") << 30 << 11 << 1990 << Fine;
    for (int month : {1, 3, 5, 7, 8, 10, 12})
        QTest::addRow("31 of month %d", month) << 31 << month << 1990 << Fine;
}

void TestInputChecks::judgesDates()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, problem);
    const std::optional<InputProblem> found = inputProblem({QStringLiteral("ANNA"), day - 1, month - 1, year - 1900});
    QCOMPARE(found ? found->message : QString(), problem);
    QVERIFY(!found || found->field == InputField::Date);
}

void TestInputChecks::refusesABlankName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");
    QTest::newRow("empty") << ""
                           << "Please Enter Your Name";
    QTest::newRow("only spaces") << "   "
                                 << "Please Enter Your Name";
    QTest::newRow("a name") << "ANNA" << Fine;
}

void TestInputChecks::refusesABlankName()
{
    QFETCH(QString, name);
    QFETCH(QString, problem);
    // The name is judged before the date, even a date that is wrong too.
    const std::optional<InputProblem> found = inputProblem({name, 30, 1, 1});
    QVERIFY(found);
    QCOMPARE(found->message, problem.isEmpty() ? BadFebruary : problem);
    QCOMPARE(found->field, problem.isEmpty() ? InputField::Date : InputField::Name);
}

void TestInputChecks::filtersNameKeys_data()
{
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QChar>("inserted");
    QTest::newRow("small a") << QChar('a') << int(NameKeyVerdict::Insert) << QChar('A');
    QTest::newRow("small z") << QChar('z') << int(NameKeyVerdict::Insert) << QChar('Z');
    QTest::newRow("capital Q") << QChar('Q') << int(NameKeyVerdict::Insert) << QChar('Q');
    QTest::newRow("backspace") << QChar(8) << int(NameKeyVerdict::PassThrough) << QChar(8);
    QTest::newRow("enter") << QChar(13) << int(NameKeyVerdict::PassThrough) << QChar(13);
    QTest::newRow("space") << QChar(' ') << int(NameKeyVerdict::PassThrough) << QChar(' ');
    QTest::newRow("digit") << QChar('1') << int(NameKeyVerdict::Refuse) << QChar();
    QTest::newRow("ctrl+v") << QChar(22) << int(NameKeyVerdict::Refuse) << QChar();
    QTest::newRow("tab") << QChar(9) << int(NameKeyVerdict::Refuse) << QChar();
    QTest::newRow("accented letter") << QChar(0xE9) << int(NameKeyVerdict::Refuse) << QChar();
    QTest::newRow("hyphen") << QChar('-') << int(NameKeyVerdict::Refuse) << QChar();
}

void TestInputChecks::filtersNameKeys()
{
    QFETCH(QChar, typed);
    QFETCH(int, verdict);
    QFETCH(QChar, inserted);
    const NameKey key = filterNameKey(typed);
    QCOMPARE(int(key.verdict), verdict);
    if (key.verdict != NameKeyVerdict::Refuse)
        QCOMPARE(key.character, inserted);
}

QTEST_GUILESS_MAIN(TestInputChecks)
#include "tst_inputchecks.moc"
