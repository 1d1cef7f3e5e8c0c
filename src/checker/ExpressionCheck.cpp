// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ExpressionCheck.h"

#include "app/NumericValue.h"
#include "checker/ContentPaths.h"
#include "problems/GenerateProblem.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

using Kind = TemplateReading::Kind;

// A number written plainly, which reads as it looks.
bool isPlainNumber(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?$"));
    return plain.match(text).hasMatch();
}

QString valueText(double value) {
    return QString::number(value, 'g', 15);
}

// Items of a list that do not read as the number they show: "doce" counts as 0, "12 manzanas" as 12.
void checkOperandList(const QString& token, const TemplateReading::Word& word, FindingList& findings) {
    QStringList odd;
    for (const QString& item : word.items) {
        if (!isPlainNumber(item))
            odd << item;
    }
    if (odd.isEmpty())
        return;
    const QString list = RelativeName(word.listPath);
    findings.add(
        Severity::Warning, QStringLiteral("lista-no-numerica"), 2, token,
        QStringLiteral("%1 de %2 elementos de %3 no son números escritos solo con cifras (por ejemplo "
                       "«%4», que vale %5): cuentan como 0 o como las cifras del principio")
            .arg(odd.size())
            .arg(word.items.size())
            .arg(list, odd.first(), valueText(NumericValue(odd.first()))),
        QStringLiteral("deje en %1 solo números, uno por línea, con punto para los decimales").arg(list));
}

void checkOperandPlace(const QString& token, int t, const TemplateReading& reading, QSet<QString>& listsSeen,
                       FindingList& findings) {
    if (IsOperator(token)) {
        findings.add(
            Severity::Error, QStringLiteral("operador-fuera-de-sitio"), 2, token,
            QStringLiteral("un operador donde va un operando: no opera ni da valor, y el resultado es "
                           "otro"),
            QStringLiteral("alterne operando y operador: NUMERO1 + NUMERO2 * 2"));
    } else if (IsNamedOperand(token)) {
        int matches = 0;
        for (const TemplateReading::Operand& operand : reading.operands) {
            if (operand.token != t)
                continue;
            ++matches;
            const TemplateReading::Word& word = reading.kinds[size_t(operand.word)];
            if (word.kind == Kind::DataList && !listsSeen.contains(word.listPath)) {
                listsSeen.insert(word.listPath);
                checkOperandList(token, word, findings);
            }
        }
        if (matches == 0) {
            QString similar;
            for (qsizetype w = 0; w < std::min<qsizetype>(reading.words.size(), MaxWords); ++w) {
                if (reading.words[w].compare(token, Qt::CaseInsensitive) == 0)
                    similar = reading.words[w];
            }
            findings.add(
                Severity::Error, QStringLiteral("operando-no-en-enunciado"), 2, token,
                QStringLiteral("ninguna palabra del enunciado es exactamente «%1»: no da ningún valor y "
                               "los operadores siguientes usan otros")
                    .arg(token),
                similar.isEmpty() ? QStringLiteral("ponga %1 en el enunciado o corrija el nombre").arg(token)
                                  : QStringLiteral("escríbalo igual que en el enunciado: %1").arg(similar));
        } else if (matches > 1) {
            findings.add(
                Severity::Warning, QStringLiteral("operando-repetido"), 2, token,
                QStringLiteral("%1 está %2 veces en el enunciado y da %2 valores, que desplazan a los "
                               "operandos siguientes")
                    .arg(token)
                    .arg(matches),
                QStringLiteral("use un nombre distinto para cada número (NUMERO1, NUMERO2) o =%1 para "
                               "repetir el mismo")
                    .arg(token));
        }
    } else if (const double value = NumericValue(token); value <= 0) {
        const bool word = std::any_of(token.cbegin(), token.cend(), [](QChar c) { return c.isLetter(); });
        findings.add(
            Severity::Error, QStringLiteral("literal-no-positivo"), 2, token,
            word ? QStringLiteral("no es un número ni un nombre que empiece por NUMERO: no da ningún valor "
                                  "y los operadores siguientes usan otros")
                 : QStringLiteral("no es un número mayor que 0: no da ningún valor y los operadores "
                                  "siguientes usan otros"),
            word ? QStringLiteral("escriba el nombre igual que en el enunciado (empieza por NUMERO)")
                 : QStringLiteral("escriba un número positivo (2, 0.5) o un NUMERO del enunciado"));
    } else if (!isPlainNumber(token)) {
        findings.add(Severity::Warning, QStringLiteral("literal-raro"), 2, token,
                     QStringLiteral("se lee como %1 (la coma y las letras no se leen)").arg(valueText(value)),
                     QStringLiteral("escriba solo cifras, con punto para los decimales: %1")
                         .arg(isPlainNumber(QString(token).replace(u',', u'.'))
                                  ? QString(token).replace(u',', u'.')
                                  : valueText(value)));
    }
}

void checkOperatorPlace(const QString& token, FindingList& findings) {
    if (IsOperator(token))
        return;
    if (IsNamedOperand(token) || NumericValue(token) > 0) {
        findings.add(Severity::Error, QStringLiteral("operando-fuera-de-sitio"), 2, token,
                     QStringLiteral("un operando donde va un operador: no opera, y su valor pasa al operador "
                                    "siguiente"),
                     QStringLiteral("ponga un operador (+ - * /) entre cada dos operandos"));
    } else {
        findings.add(Severity::Error, QStringLiteral("operador-desconocido"), 2, token,
                     QStringLiteral("no es un operador: no hace ninguna operación y se salta un operando"),
                     QStringLiteral("use solo + - * / (la multiplicación es *, la división /)"));
    }
}

// The operand that the operator at odd position u uses.
const TemplateReading::Operand* operandOf(const TemplateReading& reading, qsizetype u) {
    const size_t k = size_t((u + 1) / 2);
    return k < reading.operands.size() ? &reading.operands[k] : nullptr;
}

void checkDivisions(const TemplateReading& reading, FindingList& findings) {
    for (qsizetype u = 1; u < reading.tokens.size(); u += 2) {
        if (reading.tokens[u] != u"/" || (u + 1) / 2 >= MaxOperands)
            continue;
        const TemplateReading::Operand* operand = operandOf(reading, u);
        if (!operand) {
            findings.add(
                Severity::Error, QStringLiteral("division-por-cero"), 2, reading.tokens[u],
                QStringLiteral("a esta división no le queda operando: divide entre 0 y el resultado es "
                               "infinito o no vale"),
                QStringLiteral("ponga un operando después de /"));
            continue;
        }
        if (operand->word < 0)
            continue; // a literal operand is greater than 0
        const TemplateReading::Word& word = reading.kinds[size_t(operand->word)];
        bool zero = word.kind != Kind::DataList || word.items.isEmpty();
        for (const QString& item : word.items)
            zero = zero || NumericValue(item) == 0;
        if (zero) {
            findings.add(
                Severity::Warning, QStringLiteral("division-por-cero"), 2, reading.words[operand->word],
                QStringLiteral("el divisor %1 puede valer 0: el resultado sería infinito o no valdría")
                    .arg(reading.words[operand->word]),
                QStringLiteral("quite el 0 (y lo que no sea número) de su lista"));
        }
    }
}

} // namespace

void CheckExpression(const QStringList& lines, const TemplateReading& reading, FindingList& findings) {
    if (lines.size() < 2) {
        findings.add(Severity::Error, QStringLiteral("sin-linea-2"), 2, QString(),
                     QStringLiteral("falta la línea 2: es un problema numérico cuyo resultado es siempre 0"),
                     QStringLiteral("escriba en la línea 2 la operación (NUMERO1 + NUMERO2) o TEXTO"));
        return;
    }
    const QString& line = lines[1];
    if (line.trimmed().compare(u"TEXTO", Qt::CaseInsensitive) == 0) {
        findings.add(Severity::Error, QStringLiteral("texto-con-espacios"), 2, line,
                     QStringLiteral("tiene espacios: no es TEXTO, es un problema numérico con resultado 0"),
                     QStringLiteral("escriba TEXTO solo, sin espacios"));
        return;
    }
    if (line.isEmpty()) {
        findings.add(Severity::Error, QStringLiteral("sin-linea-2"), 2, QString(),
                     QStringLiteral("la línea 2 está vacía: el resultado es siempre 0"),
                     QStringLiteral("escriba en la línea 2 la operación (NUMERO1 + NUMERO2) o TEXTO"));
        return;
    }
    QSet<QString> listsSeen;
    for (qsizetype t = 0; t < reading.tokens.size(); ++t) {
        if (reading.tokens[t].isEmpty()) {
            findings.add(
                Severity::Error, QStringLiteral("token-vacio"), 2, QString(),
                QStringLiteral("hay un espacio de más (el elemento %1 está vacío): los operandos y "
                               "operadores que siguen cambian de sitio y el resultado es otro")
                    .arg(t + 1),
                QStringLiteral("deje un solo espacio entre operandos y operadores, y ninguno al final"));
        } else if (t % 2 == 0)
            checkOperandPlace(reading.tokens[t], int(t), reading, listsSeen, findings);
        else
            checkOperatorPlace(reading.tokens[t], findings);
    }
    if (reading.operands.size() > size_t(MaxOperands)) {
        findings.add(Severity::Error, QStringLiteral("demasiados-operandos"), 2,
                     reading.tokens[reading.operands[MaxOperands].token],
                     QStringLiteral("da %1 valores y solo se usan los %2 primeros: lo que sigue no cuenta")
                         .arg(reading.operands.size())
                         .arg(MaxOperands),
                     QStringLiteral("use %1 operandos como mucho").arg(MaxOperands));
    }
    checkDivisions(reading, findings);
}
