// The stand-in of the tree functions' questions: small input dialogs of the toolkit.
#include "platform/siblings/functions/TreeDialogs.h"
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <atomic>

namespace ksiega::functions {

namespace {

QWidget* activeWindow() { return QApplication::activeWindow(); }

class StandInTreeDialogs : public TreeDialogs {
public:
    std::optional<BranchInput> askBranch(const QStringList& fields, const QStringList& operators) override {
        QDialog dialog(activeWindow());
        dialog.setObjectName(QStringLiteral("TREE_DODAJ_GALAZ"));
        dialog.setWindowTitle(QStringLiteral("Dodaj gałąź"));
        auto* form = new QFormLayout(&dialog);
        auto* field = new QComboBox(&dialog);
        field->setObjectName(QStringLiteral("POLE"));
        field->addItems(fields);
        auto* op = new QComboBox(&dialog);
        op->setObjectName(QStringLiteral("OPERATOR"));
        op->addItems(operators);
        auto* value = new QLineEdit(&dialog);
        value->setObjectName(QStringLiteral("WARTOSC"));
        auto* label = new QLineEdit(&dialog);
        label->setObjectName(QStringLiteral("OPIS"));
        form->addRow(QStringLiteral("Pole"), field);
        form->addRow(QStringLiteral("Operator"), op);
        form->addRow(QStringLiteral("Wartość"), value);
        form->addRow(QStringLiteral("Opis"), label);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        form->addRow(buttons);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return BranchInput{field->currentText(), op->currentText(), value->text(), label->text()};
    }

    std::optional<QString> askConfigurationName() override {
        bool ok = false;
        const QString name = QInputDialog::getText(activeWindow(), QStringLiteral("Zapisz konfigurację filtra"),
                                                   QStringLiteral("Nazwa"), QLineEdit::Normal, {}, &ok);
        if (!ok || name.trimmed().isEmpty()) return std::nullopt;
        return name.trimmed();
    }

    std::optional<int64_t> chooseConfiguration(const std::vector<ConfigurationChoice>& configurations) override {
        QStringList names;
        int current = 0;
        for (size_t i = 0; i < configurations.size(); ++i) {
            names << (configurations[i].name.isEmpty() ? QStringLiteral("<bez nazwy>") : configurations[i].name);
            if (configurations[i].current) current = int(i);
        }
        if (names.isEmpty()) return std::nullopt;
        bool ok = false;
        const QString chosen = QInputDialog::getItem(activeWindow(), QStringLiteral("Wybierz konfigurację filtra"),
                                                     QStringLiteral("Konfiguracja"), names, current, false, &ok);
        if (!ok) return std::nullopt;
        return configurations[size_t(names.indexOf(chosen))].id;
    }
};

std::atomic<TreeDialogs*> g_replacement{nullptr};

} // namespace

TreeDialogs& treeDialogs() {
    if (TreeDialogs* r = g_replacement.load()) return *r;
    static StandInTreeDialogs standIn;
    return standIn;
}

void replaceTreeDialogs(TreeDialogs* dialogs) { g_replacement.store(dialogs); }

} // namespace ksiega::functions
