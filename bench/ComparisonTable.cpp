#include "ComparisonTable.h"

#include <QList>
#include <QTextStream>

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
    QTextStream out(stdout);
    const QString rule(118, u'-');
    out << '\n' << rule << '\n';
    out << QString("%1 %2 %3 %4 %5\n")
               .arg("text", -34)
               .arg("action", -44)
               .arg("Quillet", 12)
               .arg("bare Qt", 12)
               .arg("ratio", 8);
    out << rule << '\n';
    QString lastText;
    for (const Row& row : rows()) {
        const QString ratio =
            row.bare > 0 ? QString::number(row.quillet / row.bare, 'f', 2) : QString("-");
        out << QString("%1 %2 %3 %4 %5\n")
                   .arg(row.text == lastText ? QString() : row.text, -34)
                   .arg(row.action, -44)
                   .arg(figure(row.quillet, row.unit), 12)
                   .arg(figure(row.bare, row.unit), 12)
                   .arg(ratio, 8);
        lastText = row.text;
    }
    out << rule << '\n';
}

} // namespace ComparisonTable
