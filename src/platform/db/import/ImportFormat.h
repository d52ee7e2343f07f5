#pragma once
// The columns of a document import file and the limits of the fields they fill.
#include <array>
#include <string_view>

namespace ksiega::db::import {

enum Column {
    NrDokOrg, NrEwidDok, DataBiezaca, DataDokOrg, Okres, Dziennik, TypDok, Waluta,
    KontoWn, KontoMa, Kwota, KwotaW, Opis, ColumnCount
};

inline constexpr std::array<std::string_view, ColumnCount> kColumnNames = {
    "nr_dok_org", "nr_ewid_dok", "data_biezaca", "data_dok_org", "okres", "dziennik", "typ_dok",
    "waluta", "konto_wn", "konto_ma", "kwota", "kwota_w", "opis"};

inline constexpr std::string_view kHeaderLine =
    "nr_dok_org,nr_ewid_dok,data_biezaca,data_dok_org,okres,dziennik,typ_dok,waluta,konto_wn,konto_ma,kwota,kwota_w,opis";

// Lengths (in characters) of the columns the fields are stored in.
inline constexpr int kMaxNrEwidDok = 30;
inline constexpr int kMaxNrDokOrg = 40;
inline constexpr int kMaxKonto = 60;
inline constexpr int kMaxOpis = 250;
inline constexpr int kMaxLogin = 8;

inline constexpr std::string_view kHomeCurrency = "PLN";
inline constexpr const char* kCreatedAccountName = "Konto utworzone przy imporcie";
inline constexpr const char* kDefaultUser = "import";

} // namespace ksiega::db::import
