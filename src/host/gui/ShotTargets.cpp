#include "host/gui/ShotTargets.h"
#include "platform/runtime/Registry.h"
#include <QApplication>
#include <QImage>
#include <QPixmap>

namespace ksiega::host {

static Registry<ShotFactory>& targets() {
    static Registry<ShotFactory> all(QStringLiteral("screenshot target"));
    return all;
}

bool registerShotTarget(const QString& name, ShotFactory factory) {
    targets().add(name, std::move(factory));
    return true;
}

const ShotFactory* findShotTarget(const QString& name) { return targets().find(name); }

QStringList shotTargetNames() { return targets().names(); }

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
