#pragma once
// The sibling libraries the module calls: each has an init entry (given the error object
// and the settings object) and a shut-down entry. Our stand-ins sit behind this
// interface; a test can put its own in place (replaceSiblingLibrary) and watch the calls.
#include <QString>
#include <array>

namespace ksiega {

class ErrorReporter;
class Settings;

class SiblingLibrary {
public:
    virtual ~SiblingLibrary() = default;
    virtual QString name() const = 0;
    virtual void init(ErrorReporter* errors, Settings* settings) = 0;
    virtual void kill() = 0;
};

// The ten libraries, in the order they are initialised and shut down.
enum class Sibling {
    Data,
    Contractors,
    Print,
    Functions,
    LedgerPrint,
    ChartOfAccounts,
    Documents,
    Statements,
    Settlements,
    Vat,
};
inline constexpr std::array<Sibling, 10> SIBLING_ORDER = {
    Sibling::Data,     Sibling::Contractors, Sibling::Print,      Sibling::Functions,   Sibling::LedgerPrint,
    Sibling::ChartOfAccounts, Sibling::Documents, Sibling::Statements, Sibling::Settlements, Sibling::Vat};

QString siblingName(Sibling which);

// The library in force: a replacement, else our stand-in.
SiblingLibrary& siblingLibrary(Sibling which);
// Puts a library in place (not owned); nullptr brings the stand-in back.
void replaceSiblingLibrary(Sibling which, SiblingLibrary* library);

// A stand-in's init and shut-down: it keeps the two objects while it is initialised.
class StandInLibrary : public SiblingLibrary {
public:
    explicit StandInLibrary(Sibling which) : m_which(which) {}
    QString name() const override { return siblingName(m_which); }
    void init(ErrorReporter* errors, Settings* settings) override;
    void kill() override;
    bool initialised() const { return m_initialised; }
    ErrorReporter* errors() const { return m_errors; }
    Settings* settings() const { return m_settings; }

private:
    Sibling m_which;
    bool m_initialised = false;
    ErrorReporter* m_errors = nullptr;
    Settings* m_settings = nullptr;
};

} // namespace ksiega
