#include "host/gui/ShotTargets.h"
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <map>

namespace ksiega::host {

static std::map<QString, ShotFactory>& targets() {
    static std::map<QString, ShotFactory> all;
    return all;
}

bool registerShotTarget(const QString& name, ShotFactory factory) {
    targets()[name] = std::move(factory);
    return true;
}

const ShotFactory* findShotTarget(const QString& name) {
    auto it = targets().find(name);
    return it == targets().end() ? nullptr : &it->second;
}

QStringList shotTargetNames() {
    QStringList names;
    for (const auto& [name, f] : targets()) names << name;
    return names;
}

QImage renderOffscreen(QWidget& widget, QSize size) {
    widget.setAttribute(Qt::WA_DontShowOnScreen);
    widget.resize(size);
    widget.show();
    QApplication::processEvents();
    widget.resize(size);
    QApplication::processEvents();
    QImage image = widget.grab().toImage();
    widget.hide();
    return image;
}

} // namespace ksiega::host
