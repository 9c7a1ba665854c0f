#include "ComparisonTable.h"

#include <QList>
#include <QTextStream>
#include <algorithm>

namespace {

struct Row {
    QString text;
    QString action;
    double quillet;
    double bare;
    QString unit;
};

QList<Row>& rows() {
    static QList<Row> list;
    return list;
}

QString figure(double value, const QString& unit) {
    if (value < 0)
        return "-";
    return QString::number(value, 'f', value < 10 ? 2 : value < 100 ? 1 : 0) + ' ' + unit;
}

} // namespace

namespace ComparisonTable {

void add(const QString& text, const QString& action, double quillet, double bare,
         const QString& unit) {
    rows().append({text, action, quillet, bare, unit});
}

void print() {
    if (rows().isEmpty())
        return;
    // Columns as wide as their longest entry, so that long names keep the figures aligned.
    int textWidth = 4, actionWidth = 6;
    for (const Row& row : rows()) {
        textWidth = std::max(textWidth, int(row.text.size()));
        actionWidth = std::max(actionWidth, int(row.action.size()));
    }
    QTextStream out(stdout);
    const QString rule(textWidth + actionWidth + 36, u'-');
    out << '\n' << rule << '\n';
    out << QString("%1 %2 %3 %4 %5\n")
               .arg("text", -textWidth)
               .arg("action", -actionWidth)
               .arg("Quillet", 12)
               .arg("bare Qt", 12)
               .arg("ratio", 8);
    out << rule << '\n';
    QString lastText;
    for (const Row& row : rows()) {
        const QString ratio =
            row.bare > 0 ? QString::number(row.quillet / row.bare, 'f', 2) : QString("-");
        out << QString("%1 %2 %3 %4 %5\n")
                   .arg(row.text == lastText ? QString() : row.text, -textWidth)
                   .arg(row.action, -actionWidth)
                   .arg(figure(row.quillet, row.unit), 12)
                   .arg(figure(row.bare, row.unit), 12)
                   .arg(ratio, 8);
        lastText = row.text;
    }
    out << rule << '\n';
}

} // namespace ComparisonTable
