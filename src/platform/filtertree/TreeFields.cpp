#include "platform/filtertree/TreeFields.h"

namespace ksiega::filtertree {

const QStringList& treeOperators() {
    static const QStringList ops = {QStringLiteral("="),  QStringLiteral("<>"), QStringLiteral("<"),   QStringLiteral("<="),
                                    QStringLiteral(">"),  QStringLiteral(">="), QStringLiteral("LIKE")};
    return ops;
}

const std::vector<TreeField>& costCentreFields() {
    static const std::vector<TreeField> fields = [] {
        std::vector<TreeField> f = {
            {QStringLiteral("id_lata_obrot"), FieldKind::Integer}, {QStringLiteral("id_paczka"), FieldKind::Integer},
            {QStringLiteral("id_typ_dok"), FieldKind::Integer},    {QStringLiteral("data_okresu"), FieldKind::Date},
            {QStringLiteral("data_biezaca"), FieldKind::Date},     {QStringLiteral("data_dok_org"), FieldKind::Date},
            {QStringLiteral("nr_ewid_dok"), FieldKind::Text},      {QStringLiteral("nr_dok_org"), FieldKind::Text},
            {QStringLiteral("tresc_poz_dok"), FieldKind::Text},    {QStringLiteral("konto"), FieldKind::Text},
            {QStringLiteral("strona"), FieldKind::Text},           {QStringLiteral("kwota"), FieldKind::Money},
            {QStringLiteral("drzewo_zbior_id"), FieldKind::SetPath},
        };
        for (int i = 1; i <= 5; ++i) {
            f.push_back({QStringLiteral("wskaznik_%1").arg(i), FieldKind::Text});
            f.push_back({QStringLiteral("wskaznik_%1_id").arg(i), FieldKind::Integer});
        }
        return f;
    }();
    return fields;
}

std::optional<TreeField> findField(const std::vector<TreeField>& fields, const QString& name) {
    QString column = name.trimmed().toLower();
    const qsizetype colon = column.indexOf(QChar(':'));
    if (colon >= 0) column = column.mid(colon + 1);
    for (const TreeField& f : fields)
        if (f.column == column) return f;
    return std::nullopt;
}

QString checkedOperator(const TreeField& field, const QString& op) {
    const QString canonical = op.trimmed().toUpper();
    if (!treeOperators().contains(canonical)) throw InvalidBranch(QStringLiteral("Nieznany operator: %1").arg(op));
    if (field.kind == FieldKind::SetPath && canonical != QLatin1String("="))
        throw InvalidBranch(QStringLiteral("Zbiór sprawdza się tylko operatorem ="));
    if (canonical == QLatin1String("LIKE") && field.kind != FieldKind::Text)
        throw InvalidBranch(QStringLiteral("Maska dotyczy tylko pól tekstowych"));
    return canonical;
}

} // namespace ksiega::filtertree
