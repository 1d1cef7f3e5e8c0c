// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/ExpressionCheck.h"

#include "app/NumericValue.h"
#include "checker/ContentPaths.h"
#include "checker/StatementCheck.h"
#include "problems/GenerateProblem.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

using Kind = TemplateReading::Kind;

// A number written as it reads: digits, a decimal comma or point, thousands grouped by spaces or
// by two or more points ("1.049.173", "1 000", "2,5", "1.234,5").
bool isPlainNumber(const QString& text) {
    static const QRegularExpression plain(
        QStringLiteral("^[+-]?([0-9]+([.,][0-9]+)?|[0-9]{1,3}([ \\x{00A0}\\x{202F}][0-9]{3})+(,[0-9]+)?|"
                       "[0-9]{1,3}(\\.[0-9]{3}){2,}(,[0-9]+)?|[0-9]{1,3}(\\.[0-9]{3})+,[0-9]+)$"));
    return plain.match(text.trimmed()).hasMatch();
}

// "1.000", "2.500": a single point and three digits, a decimal point to the program (1 and 2,5)
// though a Spanish reader may mean a thousand.
bool looksLikeThousands(const QString& text) {
    static const QRegularExpression thousands(QStringLiteral("^[+-]?[0-9]{1,3}\\.[0-9]{3}$"));
    return thousands.match(text.trimmed()).hasMatch();
}

QString valueText(double value) {
    return SpanishNumber(value);
}

void reportThousands(const QString& token, const QString& example, const QString& where,
                     FindingList& findings) {
    findings.add(
        Severity::Warning, QStringLiteral("punto-de-miles"), 2, token,
        QStringLiteral("%1«%2» vale %3 para el programa: un solo punto seguido de tres cifras se lee "
                       "como separador decimal, no de miles")
            .arg(where, Shown(example), valueText(NumericValue(example))),
        QStringLiteral("escriba mil como 1000 o 1 000 (con espacio); para decimales, use la coma: 2,5"));
}

// Items of a list that do not read as the number they show: "doce" counts as 0, "12 manzanas" as 12.
void checkOperandList(const QString& token, const TemplateReading::Word& word, FindingList& findings) {
    QStringList odd;
    QStringList thousands;
    for (const QString& item : word.items) {
        if (looksLikeThousands(item))
            thousands << item;
        else if (!isPlainNumber(item))
            odd << item;
    }
    const QString list = RelativeName(word.listPath);
    if (!thousands.isEmpty())
        reportThousands(token, thousands.first(), QStringLiteral("en %1, ").arg(list), findings);
    if (odd.isEmpty())
        return;
    findings.add(
        Severity::Warning, QStringLiteral("lista-no-numerica"), 2, token,
        QStringLiteral("%1 de %2 elementos de %3 no son números escritos solo con cifras (por ejemplo "
                       "«%4», que vale %5): cuentan como 0 o como las cifras del principio")
            .arg(odd.size())
            .arg(word.items.size())
            .arg(list, Shown(odd.first()), valueText(NumericValue(odd.first()))),
        QStringLiteral("deje en %1 solo números, uno por línea, con coma para los decimales (2,5)")
            .arg(list));
}

// `seen` holds the lists already checked and the names already told as repeated, so that a name
// written twice on line 2 is told once.
void checkOperandPlace(const QString& token, int t, const TemplateReading& reading, QSet<QString>& seen,
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
            if (word.kind == Kind::DataList && !seen.contains(word.listPath)) {
                seen.insert(word.listPath);
                checkOperandList(token, word, findings);
            }
        }
        if (matches == 0) {
            QString similar;
            bool similarIsList = false;
            for (qsizetype w = 0; w < std::min<qsizetype>(reading.words.size(), MaxWords); ++w) {
                if (reading.words[w] != token && NearlyEqual(reading.words[w], token)) {
                    similar = reading.words[w];
                    similarIsList = reading.kinds[size_t(w)].kind == Kind::DataList;
                }
            }
            QString fix = QStringLiteral("ponga %1 en el enunciado o corrija el nombre").arg(Shown(token));
            if (!similar.isEmpty() && (similarIsList || DataListPath(token).isEmpty()))
                fix = QStringLiteral("escríbalo igual que en el enunciado: %1").arg(Shown(similar));
            else if (!similar.isEmpty())
                // The statement's spelling names no list: copying it here would leave both wrong.
                fix = QStringLiteral(
                          "corrija el enunciado, que dice %1: escríbalo allí %2, el nombre de la lista")
                          .arg(Shown(similar), Shown(token));
            findings.add(
                Severity::Error, QStringLiteral("operando-no-en-enunciado"), 2, token,
                QStringLiteral("ninguna palabra del enunciado es exactamente «%1»: no da ningún valor y "
                               "los operadores siguientes usan otros")
                    .arg(Shown(token)),
                fix);
        } else if (matches > 1 && !seen.contains(u'=' + token)) {
            seen.insert(u'=' + token); // a list's path never starts with "="
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
        QString near;
        for (qsizetype w = 0;
             w < std::min<qsizetype>(reading.words.size(), MaxWords) && word && near.isEmpty(); ++w) {
            if (IsNamedOperand(reading.words[w]) && NearlyEqual(reading.words[w], token))
                near = reading.words[w];
        }
        findings.add(
            Severity::Error, QStringLiteral("literal-no-positivo"), 2, token,
            word ? QStringLiteral("no es un número ni un nombre que empiece por NUMERO: no da ningún valor "
                                  "y los operadores siguientes usan otros")
                 : QStringLiteral("no es un número mayor que 0: no da ningún valor y los operadores "
                                  "siguientes usan otros"),
            !near.isEmpty()
                ? QStringLiteral("¿quería decir %1? Escríbalo igual que en el enunciado").arg(Shown(near))
            : word ? QStringLiteral("escriba el nombre igual que en el enunciado (empieza por NUMERO)")
                   : QStringLiteral("escriba un número positivo (2, 0,5) o un NUMERO del enunciado"));
    } else if (looksLikeThousands(token)) {
        reportThousands(token, token, QString(), findings);
    } else if (!isPlainNumber(token)) {
        findings.add(
            Severity::Warning, QStringLiteral("literal-raro"), 2, token,
            QStringLiteral("se lee como %1 (lo que sigue a las cifras no se lee)").arg(valueText(value)),
            QStringLiteral("escriba solo cifras, con coma para los decimales: %1").arg(valueText(value)));
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
    if (line.trimmed().isEmpty()) {
        findings.add(Severity::Error, QStringLiteral("sin-linea-2"), 2, QString(),
                     QStringLiteral("la línea 2 está vacía o solo tiene espacios: el resultado es siempre 0"),
                     QStringLiteral("escriba en la línea 2 la operación (NUMERO1 + NUMERO2) o TEXTO"));
        return;
    }
    // Brackets make every token around them look wrong; one finding says why.
    for (const QString& token : reading.tokens) {
        if (token.contains(u'(') || token.contains(u')')) {
            findings.add(
                Severity::Error, QStringLiteral("parentesis"), 2, token,
                QStringLiteral("no hay paréntesis: la operación se hace siempre de izquierda a derecha, "
                               "y «%1» no es ni un operando ni un operador")
                    .arg(Shown(token)),
                QStringLiteral("quite los paréntesis y ordene la operación para que, de izquierda a "
                               "derecha, dé lo que quiere: NUMERO1 + NUMERO2 * 2 es (NUMERO1 + "
                               "NUMERO2) * 2"));
            return;
        }
    }
    // Empty tokens at the end move nothing.
    qsizetype lastToken = reading.tokens.size() - 1;
    while (lastToken >= 0 && reading.tokens[lastToken].isEmpty())
        --lastToken;
    QSet<QString> listsSeen;
    for (qsizetype t = 0; t <= lastToken; ++t) {
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
                         .arg(SpanishNumber(double(reading.operands.size())))
                         .arg(MaxOperands),
                     QStringLiteral("use %1 operandos como mucho").arg(MaxOperands));
    }
    checkDivisions(reading, findings);
}
