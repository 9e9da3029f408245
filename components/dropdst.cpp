#include "components/dropdst.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace {

QStringList localFiles(const QMimeData* mime) {
    QStringList files;
    if (mime == nullptr) return files;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile()) files.append(url.toLocalFile());
    }
    return files;
}

}  // namespace

TDropDst::TDropDst(QWidget* window) : QObject(window), window_(window) {
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
}

bool TDropDst::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_) return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (localFiles(drag->mimeData()).isEmpty()) return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList files = localFiles(drop->mimeData());
        if (files.isEmpty()) return false;
        drop->acceptProposedAction();
        emit fileDrop(files);
        return true;
    }
    default:
        return false;
    }
}
