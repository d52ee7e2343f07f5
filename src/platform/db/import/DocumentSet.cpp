#include "platform/db/import/DocumentSet.h"
#include "platform/db/import/FieldParsers.h"
#include "platform/db/import/ImportFormat.h"
#include "platform/runtime/Money.h"

namespace ksiega::db::import {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
QString money(Money m) { return m.toString(); }

std::string upperAscii(std::string_view s) {
    std::string u(s);
    for (char& c : u) if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return u;
}

} // namespace

int DocumentSet::indexOf(const std::string& nr) const {
    auto it = m_index.find(nr);
    return it == m_index.end() ? -1 : it->second;
}

bool DocumentSet::readHeader(const CsvRecord& row, ImportedDocument& doc) {
    const int line = row.line;
    const int before = m_errors.count();
    doc.nrEwidDok = row.field(NrEwidDok);
    doc.nrDokOrg = row.field(NrDokOrg);
    if (doc.nrEwidDok.empty()) error(line, QStringLiteral("missing nr_ewid_dok"));
    else if (utf8Length(doc.nrEwidDok) > kMaxNrEwidDok)
        error(line, QStringLiteral("nr_ewid_dok is longer than %1 characters").arg(kMaxNrEwidDok));
    if (utf8Length(doc.nrDokOrg) > kMaxNrDokOrg)
        error(line, QStringLiteral("nr_dok_org is longer than %1 characters").arg(kMaxNrDokOrg));

    if (row.field(DataBiezaca).empty()) error(line, QStringLiteral("missing data_biezaca"));
    else if (auto d = parseDate(row.field(DataBiezaca))) doc.dataBiezaca = *d;
    else error(line, QStringLiteral("malformed date in data_biezaca: '%1'").arg(q(row.field(DataBiezaca))));
    if (!row.field(DataDokOrg).empty()) {
        if (auto d = parseDate(row.field(DataDokOrg))) doc.dataDokOrg = *d;
        else error(line, QStringLiteral("malformed date in data_dok_org: '%1'").arg(q(row.field(DataDokOrg))));
    }

    const PeriodResult period = parsePeriod(row.field(Okres), m_catalog.yearStart(), m_catalog.yearEnd());
    if (period.status == PeriodResult::Malformed)
        error(line, QStringLiteral("malformed period '%1' (BO, BZ or YYYY-MM)").arg(q(row.field(Okres))));
    else if (period.status == PeriodResult::OutsideYear)
        error(line, QStringLiteral("period %1 is outside the fiscal year").arg(q(row.field(Okres))));
    doc.dataOkresu = period.date;

    if (auto id = m_catalog.journal(std::string(row.field(Dziennik)))) doc.idPaczka = *id;
    else if (row.field(Dziennik).empty()) error(line, QStringLiteral("missing dziennik"));
    else error(line, QStringLiteral("unknown journal %1").arg(q(row.field(Dziennik))));

    if (auto id = m_catalog.documentType(std::string(row.field(TypDok)))) doc.idTypDok = *id;
    else if (row.field(TypDok).empty()) error(line, QStringLiteral("missing typ_dok"));
    else error(line, QStringLiteral("unknown document type %1").arg(q(row.field(TypDok))));

    const std::string currency = upperAscii(row.field(Waluta));
    if (currency.empty() || currency == kHomeCurrency) doc.waluta.clear();
    else if (m_catalog.hasCurrency(currency)) doc.waluta = currency;
    else {
        doc.currencyKnown = false;
        error(line, QStringLiteral("unknown currency %1").arg(q(row.field(Waluta))));
    }

    return m_errors.count() == before;
}

bool DocumentSet::compareHeader(const CsvRecord& row, const ImportedDocument& first, const ImportedDocument& again) {
    QStringList differ;
    if (again.nrDokOrg != first.nrDokOrg) differ << QStringLiteral("nr_dok_org");
    if (again.dataBiezaca != first.dataBiezaca) differ << QStringLiteral("data_biezaca");
    if (again.dataDokOrg != first.dataDokOrg) differ << QStringLiteral("data_dok_org");
    if (again.dataOkresu != first.dataOkresu) differ << QStringLiteral("okres");
    if (again.idPaczka != first.idPaczka) differ << QStringLiteral("dziennik");
    if (again.idTypDok != first.idTypDok) differ << QStringLiteral("typ_dok");
    if (again.waluta != first.waluta) differ << QStringLiteral("waluta");
    if (!differ.isEmpty())
        error(row.line, QStringLiteral("document %1: %2 differs from its first row (line %3)")
                            .arg(q(first.nrEwidDok), differ.join(QStringLiteral(", ")))
                            .arg(first.firstLine));
    return differ.isEmpty();
}

void DocumentSet::addRow(const CsvRecord& row) {
    ++m_lines;
    const int line = row.line;
    // A row that cannot be read says nothing reliable about its document's balance.
    auto unreadable = [&](const QString& message) {
        error(line, message);
        if (row.count > NrEwidDok) m_unreadable.emplace(row.field(NrEwidDok));
    };
    if (!row.error.empty()) return unreadable(q(row.error));
    if (row.count != ColumnCount)
        return unreadable(QStringLiteral("expected %1 columns, found %2").arg(int(ColumnCount)).arg(row.count));
    for (int c = 0; c < ColumnCount; ++c) {
        if (row.field(c).find('\0') != std::string_view::npos)
            return unreadable(QStringLiteral("%1 contains a NUL character").arg(q(kColumnNames[size_t(c)])));
        if (!isValidUtf8(row.field(c)))
            return unreadable(QStringLiteral("%1 is not valid UTF-8 text").arg(q(kColumnNames[size_t(c)])));
    }

    ImportedDocument header;
    const bool headerOk = readHeader(row, header);
    const std::string waluta = header.waluta; // the row's own currency decides about its kwota_w
    const bool currencyKnown = header.currencyKnown;
    ImportedDocument* doc;
    if (auto it = m_index.find(header.nrEwidDok); it == m_index.end()) {
        header.firstLine = line;
        header.headerValid = headerOk;
        if (!header.nrEwidDok.empty() && m_catalog.documentExists(header.nrEwidDok))
            error(line, QStringLiteral("document %1 already exists in this fiscal year").arg(q(header.nrEwidDok)));
        m_index.emplace(header.nrEwidDok, int(m_documents.size()));
        m_documents.push_back(std::move(header));
        doc = &m_documents.back();
    } else {
        doc = &m_documents[size_t(it->second)];
        // A row that contradicts its document's header makes the document's totals meaningless.
        if (doc->headerValid && headerOk && !compareHeader(row, *doc, header)) doc->linesValid = false;
    }
    ++doc->lineCount;

    // The line itself.
    const int before = m_errors.count();
    const std::string wn(row.field(KontoWn)), ma(row.field(KontoMa));
    if (wn.empty() && ma.empty()) error(line, QStringLiteral("no account: konto_wn and konto_ma are both empty"));
    for (const std::string* konto : {&wn, &ma}) {
        if (konto->empty()) continue;
        if (utf8Length(*konto) > kMaxKonto) {
            error(line, QStringLiteral("account number longer than %1 characters").arg(kMaxKonto));
            continue;
        }
        if (auto problem = m_accounts.use(*konto, line)) error(line, *problem);
    }

    int64_t kwota = 0, kwotaW = 0;
    if (row.field(Kwota).empty()) error(line, QStringLiteral("missing amount in kwota"));
    else if (auto a = parseAmount(row.field(Kwota))) kwota = *a;
    else error(line, QStringLiteral("malformed amount in kwota: '%1'").arg(q(row.field(Kwota))));

    if (!currencyKnown) {
        // kwota_w cannot be judged without a currency
    } else if (waluta.empty()) {
        if (!row.field(KwotaW).empty()) error(line, QStringLiteral("kwota_w must be empty for the home currency"));
    } else if (row.field(KwotaW).empty()) {
        error(line, QStringLiteral("missing kwota_w for currency %1").arg(q(waluta)));
    } else if (auto a = parseAmount(row.field(KwotaW))) {
        kwotaW = *a;
    } else {
        error(line, QStringLiteral("malformed amount in kwota_w: '%1'").arg(q(row.field(KwotaW))));
    }
    if (utf8Length(row.field(Opis)) > kMaxOpis) error(line, QStringLiteral("opis is longer than %1 characters").arg(kMaxOpis));

    if (m_errors.count() != before) { doc->linesValid = false; return; }
    if (!doc->linesValid) return; // its totals are not checked anyway
    try {
        const Money amount = Money::fromMinor(kwota), amountW = Money::fromMinor(kwotaW);
        if (!wn.empty()) { doc->sumWn += amount; doc->sumWnW += amountW; }
        if (!ma.empty()) { doc->sumMa += amount; doc->sumMaW += amountW; }
    } catch (const std::overflow_error&) {
        error(line, QStringLiteral("document %1: its total no longer fits an amount").arg(q(doc->nrEwidDok)));
        doc->linesValid = false;
    }
}

void DocumentSet::finish() {
    for (const ImportedDocument& doc : m_documents) {
        if (!doc.headerValid || !doc.linesValid || m_unreadable.count(doc.nrEwidDok)) continue;
        if (doc.sumWn != doc.sumMa)
            error(doc.firstLine, QStringLiteral("document %1 is unbalanced: Dt %2, Ct %3")
                                     .arg(q(doc.nrEwidDok), money(doc.sumWn), money(doc.sumMa)));
        else if (!doc.waluta.empty() && doc.sumWnW != doc.sumMaW)
            error(doc.firstLine, QStringLiteral("document %1 is unbalanced in %2: Dt %3, Ct %4")
                                     .arg(q(doc.nrEwidDok), q(doc.waluta), money(doc.sumWnW), money(doc.sumMaW)));
    }
}

} // namespace ksiega::db::import
