#include "platform/siblings/documents/DocumentWindowController.h"
#include "platform/db/LineCopies.h"
#include "platform/runtime/Date.h"
#include "platform/server/DocumentLocks.h"
#include "platform/server/TurnoverChange.h"
#include "platform/server/Turnovers.h"

namespace ksiega::documents {

namespace {

const QString LOCKED_BY_OTHER = QStringLiteral("Wybrany dokument jest zablokowany przez innego użytkownika.");
// Amounts have the picture of 14 digits with 2 decimals.
constexpr int64_t AMOUNT_LIMIT = 100000000000000LL;

ui::ListQuery linesQuery(int64_t idNagDok) {
    ui::ListQuery q;
    q.source = QStringLiteral("POZ_DOK");
    q.idColumn = QStringLiteral("id_poz_dok");
    q.columns = {
        {QStringLiteral("lp"), QStringLiteral("Lp"), ui::ColumnKind::Integer, 4},
        {QStringLiteral("konto_wn"), QStringLiteral("Konto Dt"), ui::ColumnKind::Text, 20},
        {QStringLiteral("kwota_wn"), QStringLiteral("Kwota Dt"), ui::ColumnKind::Money, 14},
        {QStringLiteral("konto_ma"), QStringLiteral("Konto Ct"), ui::ColumnKind::Text, 20},
        {QStringLiteral("kwota_ma"), QStringLiteral("Kwota Ct"), ui::ColumnKind::Money, 14},
        {QStringLiteral("waluta"), QStringLiteral("Waluta"), ui::ColumnKind::Text, 3},
        {QStringLiteral("opis"), QStringLiteral("Opis pozycji"), ui::ColumnKind::Text, 50},
    };
    q.sort = ui::SortOrder::ascending(QStringLiteral("Lp"), {QStringLiteral("lp")});
    q.ranges = {{QStringLiteral("id_nag_dok"), idNagDok}};
    return q;
}

std::optional<Money> amountOf(const QString& text, QString& error, const QString& what) {
    if (text.trimmed().isEmpty()) return Money();
    auto m = Money::parse(text.trimmed());
    if (!m || m->minor() >= AMOUNT_LIMIT || m->minor() <= -AMOUNT_LIMIT) {
        error = QStringLiteral("Nieprawidłowa kwota: %1 \"%2\".").arg(what, text.trimmed());
        return std::nullopt;
    }
    return m;
}

} // namespace

DocumentWindowController::DocumentWindowController(db::Database& db, QString login, int64_t idNagDok, int mode, int64_t idPozDok)
    : m_db(db), m_login(login.trimmed()), m_idNagDok(idNagDok), m_mode(mode), m_idPozDok(idPozDok),
      m_lines(std::make_unique<ui::PagedListModel>(db, linesQuery(idNagDok))) {}

DocumentWindowController::~DocumentWindowController() {
    try { close(); } catch (...) {}
}

bool DocumentWindowController::open() {
    db::Rows r = m_db.select(QStringLiteral(
        "select n.id_firmy, n.id_lata_obrot, n.nr_ewid_dok, n.nr_dok_org, n.nr_sys_dok, coalesce(k.kod_paczki, ''), n.opis, "
        "n.waluta, n.data_biezaca, n.data_dok_org, n.data_okresu, n.data_oper_gosp, n.status, n.czy_rk "
        "from NAG_DOK n left join PACZKA k on k.id_paczka = n.id_paczka where n.id_nag_dok=?"), {m_idNagDok});
    if (!r.next()) return false;
    m_header.idNagDok = m_idNagDok;
    m_header.idFirmy = r.int64(0);
    m_header.idLataObrot = r.int64(1);
    m_header.nrEwidDok = r.text(2);
    m_header.nrDokOrg = r.text(3);
    m_header.nrSysDok = r.text(4);
    m_header.sygnatura = r.text(5);
    m_header.opis = r.text(6);
    m_header.waluta = r.text(7);
    m_header.dataBiezaca = r.integer(8);
    m_header.dataDokOrg = r.integer(9);
    m_header.dataOkresu = r.integer(10);
    m_header.dataOperGosp = r.integer(11);
    m_header.status = r.integer(12);
    m_header.czyRk = r.integer(13);
    m_opened = true;
    if (m_mode == MODE_CORRECT) {
        const auto lock = server::Popraw_Dokument(m_db, m_idNagDok, m_login);
        m_editable = lock == 0;
        if (lock == 1) m_notice = LOCKED_BY_OTHER;
    }
    return true;
}

QString DocumentWindowController::caption() const {
    return (m_editable ? QStringLiteral("Dokument księgowy - poprawa: ") : QStringLiteral("Dokument księgowy - podgląd: "))
           + m_header.nrEwidDok;
}

QVector<QPair<QString, QString>> DocumentWindowController::headerFields() const {
    return {
        {QStringLiteral("Nr ewidencyjny"), m_header.nrEwidDok},
        {QStringLiteral("Nr dokumentu"), m_header.nrDokOrg},
        {QStringLiteral("Nr systemowy"), m_header.nrSysDok},
        {QStringLiteral("Dziennik"), m_header.sygnatura},
        {QStringLiteral("Data księgowania"), date::toDisplay(m_header.dataBiezaca)},
        {QStringLiteral("Data dokumentu"), date::toDisplay(m_header.dataDokOrg)},
        {QStringLiteral("Data oper. gosp."), date::toDisplay(m_header.dataOperGosp)},
        {QStringLiteral("Okres"), date::toDisplay(m_header.dataOkresu)},
        {QStringLiteral("Opis"), m_header.opis},
    };
}

int DocumentWindowController::initialRow() const {
    for (int row = 0; row < m_lines->heldRows(); ++row)
        if (m_lines->idAt(row) == m_idPozDok) return row;
    return 0;
}

DocumentLine DocumentWindowController::storedLine(int row) const {
    DocumentLine l;
    l.idPozDok = m_lines->idAt(row);
    l.lp = int(m_lines->valueAt(row, QStringLiteral("lp")).toInt64());
    l.kontoWn = m_lines->valueAt(row, QStringLiteral("konto_wn")).toText();
    l.kontoMa = m_lines->valueAt(row, QStringLiteral("konto_ma")).toText();
    l.kwotaWn = Money::fromMinor(m_lines->valueAt(row, QStringLiteral("kwota_wn")).toInt64());
    l.kwotaMa = Money::fromMinor(m_lines->valueAt(row, QStringLiteral("kwota_ma")).toInt64());
    l.waluta = m_lines->valueAt(row, QStringLiteral("waluta")).toText();
    l.opis = m_lines->valueAt(row, QStringLiteral("opis")).toText();
    return l;
}

DocumentLine DocumentWindowController::line(int row) const {
    DocumentLine l = storedLine(row);
    if (auto it = m_changes.find(l.idPozDok); it != m_changes.end()) return it->second;
    return l;
}

std::optional<DocumentLine> DocumentWindowController::changedLine(int64_t idPozDok) const {
    if (auto it = m_changes.find(idPozDok); it != m_changes.end()) return it->second;
    return std::nullopt;
}

QString DocumentWindowController::changeLine(int row, const QString& opis, const QString& kwotaWn, const QString& kwotaMa) {
    if (!m_editable) return QStringLiteral("Dokument jest otwarty tylko do podglądu.");
    if (row < 0 || row >= m_lines->heldRows()) return QStringLiteral("Nie wybrano pozycji.");
    if (opis.size() > OPIS_MAX) return QStringLiteral("Opis pozycji może mieć najwyżej %1 znaków.").arg(OPIS_MAX);
    QString error;
    const auto wn = amountOf(kwotaWn, error, QStringLiteral("Kwota Dt"));
    if (!wn) return error;
    const auto ma = amountOf(kwotaMa, error, QStringLiteral("Kwota Ct"));
    if (!ma) return error;
    DocumentLine l = line(row);
    if (l.kontoWn.isEmpty() && !wn->isZero()) return QStringLiteral("Pozycja nie ma konta Dt: Kwota Dt musi być zerowa.");
    if (l.kontoMa.isEmpty() && !ma->isZero()) return QStringLiteral("Pozycja nie ma konta Ct: Kwota Ct musi być zerowa.");
    // A line with both accounts posts one amount from Dt to Ct.
    if (!l.kontoWn.isEmpty() && !l.kontoMa.isEmpty() && *wn != *ma)
        return QStringLiteral("Kwota Dt i Kwota Ct pozycji muszą być równe.");
    l.opis = opis;
    l.kwotaWn = *wn;
    l.kwotaMa = *ma;
    const DocumentLine stored = storedLine(row);
    if (l.opis == stored.opis && l.kwotaWn == stored.kwotaWn && l.kwotaMa == stored.kwotaMa)
        m_changes.erase(l.idPozDok);
    else
        m_changes[l.idPozDok] = l;
    return {};
}

QString DocumentWindowController::save() {
    if (m_changes.empty()) return {};
    if (!m_editable) return QStringLiteral("Dokument jest otwarty tylko do podglądu.");
    try {
        db::Transaction tx(m_db);
        if (server::documentLockHolder(m_db, m_idNagDok).trimmed() != m_login)
            return QStringLiteral("Dokument nie jest już zablokowany do poprawy przez tego użytkownika. Zmiany nie zostały zapisane.");
        const QString balance = QStringLiteral("select coalesce(sum(kwota_wn), 0) - coalesce(sum(kwota_ma), 0) from POZ_DOK where id_nag_dok=?");
        const int64_t before = m_db.scalarInt(balance, {m_idNagDok}).value_or(0);
        server::TurnoverChange turnovers(m_db, m_header.idFirmy, m_header.idLataObrot);
        turnovers.leaving({m_idNagDok});
        for (const auto& [id, l] : m_changes) {
            // Lines kept in PLN carry the same amounts in their currency columns.
            m_db.execute(QStringLiteral(
                "update POZ_DOK set opis=?, kwota_wn=?, kwota_ma=?, "
                "kwota_wn_w = case when waluta in ('', 'PLN') then ? else kwota_wn_w end, "
                "kwota_ma_w = case when waluta in ('', 'PLN') then ? else kwota_ma_w end "
                "where id_poz_dok=? and id_nag_dok=?"),
                {l.opis, l.kwotaWn, l.kwotaMa, l.kwotaWn, l.kwotaMa, id, m_idNagDok});
        }
        const int64_t after = m_db.scalarInt(balance, {m_idNagDok}).value_or(0);
        if (before == 0 && after != 0)
            return QStringLiteral("Dokument nie bilansuje się: różnica Dt - Ct wynosi %1. Zmiany nie zostały zapisane.")
                .arg(Money::fromMinor(after).toDisplay());
        db::refreshLineCopies(m_db, m_idNagDok);
        turnovers.arriving({m_idNagDok});
        turnovers.apply();
        tx.commit();
    } catch (const db::DbError& e) {
        return QStringLiteral("Zmiany nie zostały zapisane: %1").arg(e.message());
    }
    m_saved = true;
    m_changes.clear();
    m_lines->refresh(0);
    return {};
}

void DocumentWindowController::close() {
    if (m_closed) return;
    m_closed = true;
    if (m_opened) server::releaseDocumentLock(m_db, m_idNagDok, m_login);
}

} // namespace ksiega::documents
