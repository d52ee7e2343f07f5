#include "platform/filtertree/FilterTreeStore.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/Money.h"
#include <map>

namespace ksiega::filtertree {
namespace {

QString clipped(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) --end;
    return text.left(end);
}

} // namespace

db::SqlValue typedValue(const TreeField& field, const QString& value) {
    const QString v = clipped(value).trimmed();
    switch (field.kind) {
    case FieldKind::Integer:
    case FieldKind::SetPath: {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (!ok || (field.kind == FieldKind::SetPath && n <= 0))
            throw InvalidBranch(QStringLiteral("Wartość %1 nie jest liczbą całkowitą").arg(value));
        return int64_t(n);
    }
    case FieldKind::Date:
        if (const auto day = date::parseIso(v)) return int64_t(*day);
        throw InvalidBranch(QStringLiteral("Wartość %1 nie jest datą").arg(value));
    case FieldKind::Money:
        if (const auto m = Money::parse(v)) return m->minor();
        throw InvalidBranch(QStringLiteral("Wartość %1 nie jest kwotą").arg(value));
    case FieldKind::Text:
        break;
    }
    return clipped(value);
}

std::vector<TreeConfiguration> FilterTreeStore::configurations() {
    std::vector<TreeConfiguration> out;
    db::Rows r = m_db.select(QStringLiteral("select id_konfiguracji, nazwa, czy_biezaca from DRZEWO_FILTRA_KONFIG "
                                            "where id_firmy=? and id_browsera=? and id_uzytkownika=? order by nazwa, id_konfiguracji"),
                             {m_scope.company, m_scope.browser, m_scope.user});
    while (r.next()) out.push_back({r.int64(0), r.text(1), r.int64(2) != 0});
    return out;
}

int64_t FilterTreeStore::currentConfiguration() {
    return m_db.scalarInt(QStringLiteral("select min(id_konfiguracji) from DRZEWO_FILTRA_KONFIG "
                                         "where id_firmy=? and id_browsera=? and id_uzytkownika=? and czy_biezaca=1"),
                          {m_scope.company, m_scope.browser, m_scope.user})
        .value_or(0);
}

std::vector<TreeBranch> FilterTreeStore::branches() {
    std::vector<TreeBranch> out;
    const int64_t config = currentConfiguration();
    if (!config) return out;
    db::Rows r = m_db.select(QStringLiteral("select id_galezi, id_rodzica, poziom, pole, operator, wartosc, etykieta from DRZEWO_FILTRA "
                                            "where id_konfiguracji=? and id_firmy=? and id_browsera=? and id_uzytkownika=? "
                                            "order by poziom, id_galezi"),
                             {config, m_scope.company, m_scope.browser, m_scope.user});
    while (r.next()) out.push_back({r.int64(0), r.int64(1), r.integer(2), r.text(3), r.text(4), r.text(5), r.text(6)});
    return out;
}

int64_t FilterTreeStore::ensureCurrent() {
    if (const int64_t config = currentConfiguration()) return config;
    return m_db.insertReturningId(QStringLiteral("insert into DRZEWO_FILTRA_KONFIG (id_firmy, id_browsera, id_uzytkownika, nazwa, "
                                                 "czy_biezaca) values (?, ?, ?, '', 1) returning id_konfiguracji"),
                                  {m_scope.company, m_scope.browser, m_scope.user});
}

int64_t FilterTreeStore::addBranch(int64_t parent, const QString& field, const QString& op, const QString& value,
                                   const QString& label) {
    const auto f = findField(m_fields, field);
    if (!f) throw InvalidBranch(QStringLiteral("Nieznane pole: %1").arg(field));
    const QString canonical = checkedOperator(*f, op);
    typedValue(*f, value);
    db::Transaction tx(m_db);
    const int64_t config = ensureCurrent();
    int level = 1;
    if (parent) {
        const auto parentLevel = m_db.scalarInt(QStringLiteral("select poziom from DRZEWO_FILTRA where id_galezi=? and id_konfiguracji=?"),
                                                {parent, config});
        if (!parentLevel) throw InvalidBranch(QStringLiteral("Nie ma gałęzi %1").arg(parent));
        level = int(*parentLevel) + 1;
    }
    const int64_t id = m_db.insertReturningId(
        QStringLiteral("insert into DRZEWO_FILTRA (id_konfiguracji, id_firmy, id_browsera, id_uzytkownika, id_rodzica, poziom, pole, "
                       "operator, wartosc, etykieta) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) returning id_galezi"),
        {config, m_scope.company, m_scope.browser, m_scope.user, parent, level, f->column, canonical, clipped(value).left(150),
         label.left(150)});
    tx.commit();
    return id;
}

bool FilterTreeStore::removeBranch(int64_t id) {
    const int64_t config = currentConfiguration();
    if (!config) return false;
    std::vector<TreeBranch> all = branches();
    std::vector<int64_t> doomed;
    for (const TreeBranch& b : all)
        if (b.id == id) doomed.push_back(id);
    if (doomed.empty()) return false;
    // Parents come before their children, so one pass gathers the whole subtree.
    for (const TreeBranch& b : all)
        if (std::find(doomed.begin(), doomed.end(), b.parent) != doomed.end() && b.id != id) doomed.push_back(b.id);
    db::Transaction tx(m_db);
    for (int64_t d : doomed)
        m_db.execute(QStringLiteral("delete from DRZEWO_FILTRA where id_galezi=? and id_konfiguracji=?"), {d, config});
    tx.commit();
    return true;
}

int64_t FilterTreeStore::saveConfiguration(const QString& name) {
    const QString n = clipped(name).trimmed().left(100);
    if (n.isEmpty()) throw InvalidBranch(QStringLiteral("Konfiguracja musi mieć nazwę"));
    db::Transaction tx(m_db);
    const int64_t config = ensureCurrent();
    const QString currentName = m_db.scalarText(QStringLiteral("select nazwa from DRZEWO_FILTRA_KONFIG where id_konfiguracji=?"),
                                                {config}).value_or(QString());
    if (currentName.isEmpty()) {
        m_db.execute(QStringLiteral("update DRZEWO_FILTRA_KONFIG set nazwa=? where id_konfiguracji=?"), {n, config});
        tx.commit();
        return config;
    }
    const std::vector<TreeBranch> tree = branches();
    m_db.execute(QStringLiteral("update DRZEWO_FILTRA_KONFIG set czy_biezaca=0 where id_firmy=? and id_browsera=? and id_uzytkownika=?"),
                 {m_scope.company, m_scope.browser, m_scope.user});
    const int64_t copy = m_db.insertReturningId(
        QStringLiteral("insert into DRZEWO_FILTRA_KONFIG (id_firmy, id_browsera, id_uzytkownika, nazwa, czy_biezaca) "
                       "values (?, ?, ?, ?, 1) returning id_konfiguracji"),
        {m_scope.company, m_scope.browser, m_scope.user, n});
    std::map<int64_t, int64_t> newIds{{0, 0}};
    for (const TreeBranch& b : tree)
        newIds[b.id] = m_db.insertReturningId(
            QStringLiteral("insert into DRZEWO_FILTRA (id_konfiguracji, id_firmy, id_browsera, id_uzytkownika, id_rodzica, poziom, "
                           "pole, operator, wartosc, etykieta) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) returning id_galezi"),
            {copy, m_scope.company, m_scope.browser, m_scope.user, newIds[b.parent], b.level, b.field, b.op, b.value, b.label});
    tx.commit();
    return copy;
}

bool FilterTreeStore::chooseConfiguration(int64_t id) {
    db::Transaction tx(m_db);
    const auto found = m_db.scalarInt(QStringLiteral("select count(*) from DRZEWO_FILTRA_KONFIG where id_konfiguracji=? and "
                                                     "id_firmy=? and id_browsera=? and id_uzytkownika=?"),
                                      {id, m_scope.company, m_scope.browser, m_scope.user});
    if (found.value_or(0) == 0) return false;
    m_db.execute(QStringLiteral("update DRZEWO_FILTRA_KONFIG set czy_biezaca=case when id_konfiguracji=? then 1 else 0 end "
                                "where id_firmy=? and id_browsera=? and id_uzytkownika=?"),
                 {id, m_scope.company, m_scope.browser, m_scope.user});
    tx.commit();
    return true;
}

int FilterTreeStore::removeCurrentConfiguration() {
    db::Transaction tx(m_db);
    const int64_t config = currentConfiguration();
    if (!config) return 0;
    m_db.execute(QStringLiteral("delete from DRZEWO_FILTRA where id_konfiguracji=?"), {config});
    m_db.execute(QStringLiteral("delete from DRZEWO_FILTRA_KONFIG where id_konfiguracji=? and id_firmy=? and id_browsera=? and "
                                "id_uzytkownika=?"),
                 {config, m_scope.company, m_scope.browser, m_scope.user});
    tx.commit();
    return 1;
}

} // namespace ksiega::filtertree
