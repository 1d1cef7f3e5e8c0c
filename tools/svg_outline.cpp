// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the text of an artwork SVG into outlines: every <text> becomes a <path> drawn from the
// font's glyphs, so the picture needs no font when it is shown (no font engine, no shaping, the
// same letters on every machine). Handles the subset the artwork uses: x, y, font-family,
// font-weight, font-size and text-anchor on the text or inherited from enclosing groups.
//
//   kotira_svg_outline <input.svg> <output.svg>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QPainterPath>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

using Attributes = QHash<QString, QString>;

const QStringList TextProperties = {"font-family", "font-weight", "font-size", "text-anchor"};

// Glyphs are drawn at this size and scaled down, so the outlines keep the font's own precision.
constexpr double DesignSize = 1000.0;

QString number(double value) {
    QString text = QString::number(value, 'f', 2);
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString outline(const QString& text, const Attributes& style, double x, double y) {
    QFont font(style.value("font-family", "Arial"));
    font.setPixelSize(static_cast<int>(DesignSize));
    font.setBold(style.value("font-weight") == QLatin1String("bold"));
    font.setKerning(true);
    const double scale = style.value("font-size", "16").toDouble() / DesignSize;

    QPainterPath path;
    path.addText(0, 0, font, text);
    const double advance = QFontMetricsF(font).horizontalAdvance(text) * scale;
    const QString anchor = style.value("text-anchor", "start");
    if (anchor == QLatin1String("middle"))
        x -= advance / 2;
    else if (anchor == QLatin1String("end"))
        x -= advance;

    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString point = number(x + e.x * scale) + u' ' + number(y + e.y * scale);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            d += (d.isEmpty() ? QStringLiteral("M") : QStringLiteral("ZM")) + point;
            break;
        case QPainterPath::LineToElement:
            d += u'L' + point;
            break;
        case QPainterPath::CurveToElement:
            d += u'C' + point;
            break;
        case QPainterPath::CurveToDataElement:
            d += u' ' + point;
            break;
        }
    }
    return d.isEmpty() ? d : d + u'Z';
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kotira_svg_outline <input.svg> <output.svg>\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }

    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    QList<Attributes> styles{Attributes{}};

    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            writer.writeStartDocument();
            break;
        case QXmlStreamReader::Comment:
            writer.writeComment(reader.text().toString());
            break;
        case QXmlStreamReader::StartElement: {
            Attributes style = styles.last();
            QXmlStreamAttributes kept;
            for (const QXmlStreamAttribute& a : reader.attributes()) {
                if (TextProperties.contains(a.name().toString()))
                    style.insert(a.name().toString(), a.value().toString());
                else
                    kept.append(a);
            }
            if (reader.name() == QLatin1String("text")) {
                const double x = reader.attributes().value("x").toDouble();
                const double y = reader.attributes().value("y").toDouble();
                const QString text = reader.readElementText();
                writer.writeComment(QStringLiteral(" ") + text + u' ');
                writer.writeStartElement("path");
                for (const QXmlStreamAttribute& a : kept)
                    if (a.name() != QLatin1String("x") && a.name() != QLatin1String("y"))
                        writer.writeAttribute(a);
                writer.writeAttribute("d", outline(text, style, x, y));
                writer.writeEndElement();
                break;
            }
            styles.append(style);
            // Elements keep the document's one default namespace, declared again on <svg>.
            writer.writeStartElement(reader.name().toString());
            if (reader.name() == QLatin1String("svg"))
                writer.writeDefaultNamespace(reader.namespaceUri().toString());
            writer.writeAttributes(kept);
            break;
        }
        case QXmlStreamReader::EndElement:
            styles.removeLast();
            writer.writeEndElement();
            break;
        case QXmlStreamReader::EndDocument:
            writer.writeEndDocument();
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    return 0;
}
