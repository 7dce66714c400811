// Reading the fax delay typed as free text into a signed 32-bit integer.
#include "platform/TextToInteger.h"

#include <QString>
#include <QTest>

using Status = vb::Int32Reading::Status;
Q_DECLARE_METATYPE(Status)

class TstTextToInteger : public QObject
{
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
};

namespace {

QString repeated(QChar c, qsizetype count)
{
    return QString(count, c);
}

constexpr Status above = vb::Int32Reading::AboveRange;
constexpr Status below = vb::Int32Reading::BelowRange;

void row(const char *name, const QString &text, Status status, qint32 value = 0,
         QChar separator = u'.', QChar group = {})
{
    QTest::addRow("%s", name) << text << status << value << separator << group;
}

void accepted(const char *name, const QString &text, qint32 value, QChar separator = u'.',
              QChar group = {})
{
    row(name, text, vb::Int32Reading::Number, value, separator, group);
}

void rejected(const char *name, const QString &text, QChar separator = u'.', QChar group = {})
{
    row(name, text, vb::Int32Reading::NotANumber, 0, separator, group);
}

} // namespace

void TstTextToInteger::convert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Status>("status");
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QChar>("separator"); // the decimal separator of the user's locale
    QTest::addColumn<QChar>("group");     // its group separator

    // Plain integers, signs and surrounding blanks.
    accepted("zero", "0", 0);
    accepted("integer", "42", 42);
    accepted("plus sign", "+7", 7);
    accepted("minus sign", "-7", -7);
    accepted("minus zero", "-0", 0);
    accepted("leading zeros", "007", 7);
    accepted("spaces around", "  12  ", 12);
    accepted("tabs around", "\t12\t", 12);
    accepted("mixed blanks and sign", " \t-12 \t", -12);
    rejected("space after sign", "- 12");
    rejected("space inside digits", "1 2");
    rejected("newline around", "\n12\n");
    rejected("no-break space around", QString(QChar(0x00A0)) + "12");
    rejected("double minus", "--1");
    rejected("plus then minus", "+-1");
    rejected("sign alone", "-");
    rejected("trailing sign", "1-");

    // Decimal points.
    accepted("trailing point", "5.", 5);
    accepted("leading point", ".5", 0);
    accepted("point between digits", "5.5", 6);
    accepted("small fraction", "0.4", 0);
    accepted("fraction just above half", "0.51", 1);
    accepted("negative fraction", "-1.7", -2);
    accepted("point with leading zeros", "-000.0009", 0);
    rejected("point alone", ".");
    rejected("signed point alone", "-.");
    rejected("two points", "1.2.3");
    rejected("point then exponent only", ".e1");

    // The locale's decimal separator, besides the point.
    accepted("decimal comma", "2,5", 2, u',');
    accepted("point where the comma is usual", "2.5", 2, u',', u'.');
    accepted("comma, exponent", "-1,5e1", -15, u',');
    accepted("comma as point, not as thousands", "1,000", 1, u',', u'.');
    rejected("comma and point", "1,2.3", u',');
    accepted("arabic decimal separator", QStringLiteral("3\u066b5"), 4, QChar(0x066B));

    // A group separator read as the point: thousands or a fraction? Three digits after it are
    // ambiguous, unless the integer part is zero.
    rejected("German ten thousand", "10.000", u',', u'.');
    rejected("German thousand with exponent", "1.000e0", u',', u'.');
    accepted("German zero point", "0.125", 0, u',', u'.');
    accepted("German empty integer part", "-.500", 0, u',', u'.');
    accepted("German zeros point", "00.600", 1, u',', u'.');
    accepted("German four fraction digits", "1.0000", 1, u',', u'.');
    accepted("English point", "1.000", 1, u'.', u',');
    rejected("group separator that is the decimal one", "1,500", u',', u',');

    // Halves go to the even neighbour.
    accepted("half to zero", "0.5", 0);
    accepted("one and a half", "1.5", 2);
    accepted("two and a half", "2.5", 2);
    accepted("three and a half", "3.5", 4);
    accepted("minus half", "-0.5", 0);
    accepted("minus one and a half", "-1.5", -2);
    accepted("minus two and a half", "-2.5", -2);
    accepted("half with trailing zeros", "2.50000", 2);
    accepted("just above half", "2.500001", 3);
    accepted("just below half", "2.499999", 2);

    // Exponents.
    accepted("exponent", "1e3", 1000);
    accepted("capital exponent", "1E3", 1000);
    accepted("exponent with plus", "1e+2", 100);
    accepted("negative exponent", "2.5E-1", 0);
    accepted("negative exponent rounding up", "7e-1", 1);
    accepted("exponent moving the point left", "12345e-2", 123);
    accepted("exponent on fraction", ".5e1", 5);
    accepted("exponent after trailing point", "5.e2", 500);
    accepted("exponent leading zeros", "1e0000000000000000000000003", 1000);
    accepted("exponent making a half", "25e-1", 2);
    accepted("zero with huge exponent", "0e999999999999999999", 0);
    accepted("minus zero with huge exponent", "-0.000e999999999999999999", 0);
    accepted("huge negative exponent", "1e-99999999999999", 0);
    accepted("huge negative exponent on big number", "999999999e-999999999999999999999", 0);
    row("huge exponent", "1e999999999999999999", above);
    row("huge exponent negative", "-1e999999999999999999", below);
    rejected("exponent without digits", "1e");
    rejected("exponent with sign only", "1e+");
    rejected("exponent without mantissa", "e5");
    rejected("exponent with point", "1e2.5");
    rejected("two exponents", "1e2e3");
    rejected("space before exponent", "1 e3");

    // The range of a signed 32-bit integer, after rounding.
    accepted("largest", "2147483647", 2147483647);
    accepted("smallest", "-2147483648", -2147483647 - 1);
    row("one above largest", "2147483648", above);
    row("one below smallest", "-2147483649", below);
    accepted("largest plus less than half", "2147483647.4", 2147483647);
    row("largest plus half rounds up", "2147483647.5", above);
    accepted("smallest minus half rounds to even", "-2147483648.5", -2147483647 - 1);
    row("smallest minus more than half", "-2147483648.500001", below);
    accepted("largest with exponent", "2.147483647e9", 2147483647);
    row("just over largest with exponent", "2.147483648e9", above);
    row("ten digits of nines", "9999999999", above);
    row("far out of range", "1e10", above);

    // Not numbers at all.
    rejected("empty", "");
    rejected("only spaces", "   ");
    rejected("only tabs", "\t\t");
    rejected("letters", "abc");
    rejected("digits then letters", "12abc");
    rejected("thousands separator", "1,000", u'.', u',');
    rejected("hexadecimal", "0x10");
    rejected("basic hexadecimal", "&H10");
    rejected("words", "Razo Rules");
    rejected("infinity", "inf");
    rejected("not a number", "nan");
    rejected("decimal comma", "1,5");
    rejected("arabic-indic digit", QString(QChar(0x0661)));
    rejected("fullwidth digits", QString(QChar(0xFF11)) + QChar(0xFF12));
    rejected("nul inside", QString("1") + QChar(0) + "2");

    // Long texts: exact to the last digit, and linear in time.
    accepted("many leading zeros", repeated('0', 100000) + "1", 1);
    accepted("long fraction below half", "0.4" + repeated('9', 100000), 0);
    accepted("long fraction below half past one", "1.4" + repeated('9', 100000) + "e0", 1);
    accepted("long fraction just above half", "0.5" + repeated('0', 100000) + "1", 1);
    accepted("long exact half", "2.5" + repeated('0', 100000), 2);
    accepted("long exact half odd", "3.5" + repeated('0', 100000), 4);
    row("long integer", "1" + repeated('0', 100000), above);
    accepted("long integer brought back by exponent", "1" + repeated('0', 100000) + "e-100000", 1);
    accepted("long fraction brought up by exponent", "0." + repeated('0', 100000) + "1e100001", 1);
    accepted("long fraction brought up to the limit",
             "-0." + repeated('0', 100000) + "2147483648e100010", -2147483647 - 1);
    row("long fraction brought up past the limit",
        "0." + repeated('0', 100000) + "2147483648e100010", above);
    accepted("million digits of zero", repeated('0', 1000000), 0);
    rejected("million digits then a letter", repeated('1', 1000000) + "x");
    accepted("long exponent digits", "1e-" + repeated('9', 100000), 0);
    row("long positive exponent digits", "1e" + repeated('9', 100000), above);
}

void TstTextToInteger::convert()
{
    QFETCH(QString, text);
    QFETCH(Status, status);
    QFETCH(qint32, value);
    QFETCH(QChar, separator);
    QFETCH(QChar, group);

    const std::u16string utf16 = text.toStdU16String();
    const vb::Int32Reading result = vb::textToInt32(utf16, separator.unicode(), group.unicode());

    QCOMPARE(result.status, status);
    QCOMPARE(result.value, value);
}

QTEST_APPLESS_MAIN(TstTextToInteger)
#include "tst_texttointeger.moc"
