// SPDX-License-Identifier: GPL-3.0-or-later
// What the speaker says: the statement and choices as the pupil sees them, prepared for the ear.

#include "exercise/SpokenText.h"

#include <QtTest>

class TestSpokenText : public QObject {
    Q_OBJECT

private slots:
    void spoken_data();
    void spoken();
};

void TestSpokenText::spoken_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("expected");

    const QStringList none;
    auto row = [&](const char* name, const QString& statement, const QStringList& choices,
                   const char* spoken) {
        QTest::newRow(name) << statement << choices << QString::fromUtf8(spoken);
    };
    row("plain statement unchanged", u"Lucía tiene 5 canicas. ¿Cuántas tiene? "_qs, none,
        "Lucía tiene 5 canicas. ¿Cuántas tiene?");
    row("groups by spaces", u"Hay 1 049 173 personas"_qs, none, "Hay 1049173 personas");
    row("groups by no-break spaces", u"Hay 1\u00A0049\u00A0173 personas"_qs, none, "Hay 1049173 personas");
    row("group by a narrow no-break space", u"12\u202F345 km"_qs, none, "12345 km");
    row("two grouped numbers", u"de 2 000 a 3 000 kg"_qs, none, "de 2000 a 3000 kg");
    row("separate numbers stay apart", u"entre 3 y 100, 25 1234"_qs, none, "entre 3 y 100, 25 1234");
    row("groups by points", u"1.049.173 habitantes."_qs, none, "1049173 habitantes.");
    row("grouping points and a decimal comma", u"1.234,5 litros"_qs, none, "1234 coma 5 litros");
    row("a single point and three digits left alone", u"12.345 km"_qs, none, "12.345 km");
    row("decimal comma", u"4,5 litros"_qs, none, "4 coma 5 litros");
    row("zeros after the comma said", u"4,05 m"_qs, none, "4 coma cero 5 m");
    row("a comma in a list is a pause", u"2, 3 y 4"_qs, none, "2, 3 y 4");
    row("one euro", u"Cuesta 1 €."_qs, none, "Cuesta 1 euro.");
    row("euros", u"Cuesta 21\u00A0€ y 1,5€"_qs, none, "Cuesta 21 euros y 1 coma 5 euros");
    row("per cent", u"un 50 % más"_qs, none, "un 50 por ciento más");
    row("ordinals", u"6º de Primaria, la 1ª vez, 3.º B"_qs, none,
        "sexto de Primaria, la primera vez, tercero B");
    row("signs between numbers", u"3 + 4 = 7, 10 - 3, 6 x 7, 12 : 4, 8÷2"_qs, none,
        "3 más 4 es igual a 7, 10 menos 3, 6 por 7, 12 entre 4, 8 entre 2");
    row("a time and a hyphen stay", u"a las 10:30 en bici-taxi"_qs, none, "a las 10:30 en bici-taxi");
    row("a scale", u"a escala 1:200 000, y a escala de 1 : 50"_qs, none,
        "a escala 1 a 200000, y a escala de 1 a 50");
    row("a missing number", u"4 × ? da 36, ?+5 = 7 y 9 - ? = 2. ¿Cuánto falta? - Ana"_qs, none,
        "4 por cuánto da 36, cuánto más 5 es igual a 7 y 9 menos cuánto es igual a 2. ¿Cuánto falta? - Ana");
    row("signs beside a lone letter", u"5 × n - 2, n + 1 y a - b, pero no bici - taxi"_qs, none,
        "5 por n menos 2, n más 1 y a menos b, pero no bici - taxi");
    row("square and cubic units, speeds", u"12 m², 8,5 cm³ y 90 km/h"_qs, none,
        "12 metros cuadrados, 8 coma 5 centímetros cúbicos y 90 kilómetros por hora");
    row("fractions", u"1/2 de la tarta y 3/4 del camino, 10/12, el 2/10 y 1/2/3"_qs, none,
        "un medio de la tarta y 3 cuartos del camino, 10/12, el 2 décimos y 1/2/3");
    row("marks dropped", u"«Hola» (dice) *5* \"ya\""_qs, none, "Hola dice 5 ya");
    row("line breaks are blanks", u"Hola\u2029adiós "_qs, none, "Hola adiós");
    row("choices", u"¿Qué operación haces? "_qs, {"Una resta", "Una suma "},
        "¿Qué operación haces? Las opciones son: Una resta. Una suma.");
    row("choices prepared too, empty ones left out", u"Elige "_qs, {"", "1 049 €", "   ", "Más que antes"},
        "Elige. Las opciones son: 1049 euros. Más que antes.");
}

void TestSpokenText::spoken() {
    QFETCH(QString, statement);
    QFETCH(QStringList, choices);
    QFETCH(QString, expected);
    QCOMPARE(SpokenProblem(statement, choices), expected);
}

QTEST_APPLESS_MAIN(TestSpokenText)
#include "tst_spokentext.moc"
