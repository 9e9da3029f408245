#include "app/icons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <cmath>
#include <functional>

namespace {

using Drawing = std::function<void(QPainter&)>;

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 250);
const QColor kBlue(40, 100, 200);
const QColor kGreen(30, 150, 60);
const QColor kYellow(235, 190, 60);
const QColor kRed(200, 50, 40);

// Every drawing works on a 16 x 16 grid and is scaled to each size.
QIcon paintedIcon(const Drawing& draw) {
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        draw(p);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void sheet(QPainter& p, QRectF r) {
    QPainterPath path;
    const qreal fold = 4;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void floppy(QPainter& p, QRectF r, QColor body) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(body);
    p.drawRoundedRect(r, 1, 1);
    p.setBrush(kPaper);
    const qreal w = r.width();
    p.drawRect(QRectF(r.left() + w * 0.22, r.top(), w * 0.56, r.height() * 0.38));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(r.left() + w * 0.2, r.bottom() - r.height() * 0.36, w * 0.6, r.height() * 0.36));
}

void magnifier(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    const qreal d = radius * 0.7;
    p.drawLine(centre + QPointF(d, d), centre + QPointF(d + 4, d + 4));
}

void arrowHead(QPainter& p, QPointF tip, QPointF back1, QPointF back2, QColor colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({tip, back1, back2}));
}

void curvedArrow(QPainter& p, bool clockwise) {
    p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    if (clockwise) {
        path.moveTo(3, 12);
        path.cubicTo(3, 4, 11, 3, 12, 8);
        p.drawPath(path);
        arrowHead(p, QPointF(12, 11), QPointF(9, 7), QPointF(15, 7), kBlue);
    } else {
        path.moveTo(13, 12);
        path.cubicTo(13, 4, 5, 3, 4, 8);
        p.drawPath(path);
        arrowHead(p, QPointF(4, 11), QPointF(1, 7), QPointF(7, 7), kBlue);
    }
}

void newFile(QPainter& p) {
    sheet(p, QRectF(3, 1.5, 10, 13));
    p.setPen(QPen(kYellow, 1.5));
    p.drawLine(QPointF(12, 9), QPointF(12, 15));
    p.drawLine(QPointF(9, 12), QPointF(15, 12));
}

void openFile(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kYellow.darker(115));
    p.drawRect(QRectF(1.5, 4.5, 11, 9));
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15, 7.5), QPointF(12.5, 13.5), QPointF(1.5, 13.5)}));
}

void saveAll(QPainter& p) {
    floppy(p, QRectF(5.5, 0.5, 10, 10), kBlue.lighter(130));
    floppy(p, QRectF(0.5, 5.5, 10, 10), kBlue);
}

void saveAs(QPainter& p) {
    floppy(p, QRectF(1.5, 1.5, 12, 12), kBlue);
    p.setPen(QPen(kRed, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 15), QPointF(15, 9));
}

void reload(QPainter& p) {
    p.setPen(QPen(kGreen, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 90 * 16, 270 * 16);
    arrowHead(p, QPointF(11, 2.5), QPointF(7, 0), QPointF(7, 5.5), kGreen);
}

void gear(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(150, 150, 160));
    QPolygonF teeth;
    for (int i = 0; i < 16; ++i) {
        const qreal angle = i * 3.14159265 / 8;
        const qreal r = (i % 2 == 0) ? 7.2 : 5.2;
        teeth << QPointF(8 + r * std::cos(angle), 8 + r * std::sin(angle));
    }
    p.drawPolygon(teeth);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 8), 2.2, 2.2);
}

void compile(QPainter& p) {
    sheet(p, QRectF(1.5, 1.5, 9, 12));
    p.setPen(QPen(kInk, 0.8));
    for (qreal y = 5; y < 12; y += 2) p.drawLine(QPointF(3, y), QPointF(8.5, y));
    p.setPen(QPen(QColor(120, 80, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 15), QPointF(13, 8));
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(110, 110, 120));
    p.drawRect(QRectF(10.5, 5, 5, 3.5));
}

void run(QPainter& p) {
    p.setPen(QPen(kGreen.darker(140), 1));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(14, 8), QPointF(4, 14)}));
}

void find(QPainter& p) { magnifier(p, QPointF(6.5, 6.5), 4.5); }

void findNext(QPainter& p) {
    magnifier(p, QPointF(5.5, 5.5), 3.8);
    arrowHead(p, QPointF(15.5, 12), QPointF(11.5, 9), QPointF(11.5, 15), kBlue);
}

void findBack(QPainter& p) {
    magnifier(p, QPointF(9.5, 5.5), 3.8);
    arrowHead(p, QPointF(0.5, 12), QPointF(4.5, 9), QPointF(4.5, 15), kBlue);
}

void replace(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(220, 220, 240));
    p.drawRect(QRectF(0.5, 1.5, 7, 6));
    p.setBrush(QColor(255, 240, 180));
    p.drawRect(QRectF(8.5, 8.5, 7, 6));
    p.setPen(QPen(kBlue, 1.5));
    p.drawLine(QPointF(4, 9), QPointF(4, 12));
    p.drawLine(QPointF(4, 12), QPointF(6, 12));
    arrowHead(p, QPointF(8.5, 12), QPointF(6, 10), QPointF(6, 14), kBlue);
}

// A bold letter centred in `r`.
void letter(QPainter& p, QRectF r, int pixels, QColor color, const char* text) {
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

void macro(QPainter& p) {
    sheet(p, QRectF(1.5, 1.5, 13, 13));
    letter(p, QRectF(1.5, 3, 13, 11), 10, kRed, "M");
}

void help(QPainter& p) {
    p.setPen(QPen(kBlue.darker(130), 1));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    letter(p, QRectF(1, 1, 14, 14), 11, Qt::white, "?");
}

void contents(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kBlue);
    p.drawRect(QRectF(2.5, 1.5, 11, 13));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 3.5, 7, 3));
}

void copy(QPainter& p) {
    sheet(p, QRectF(1.5, 0.5, 8, 10));
    sheet(p, QRectF(6.5, 5.5, 8, 10));
}

void cut(QPainter& p) {
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
    p.drawLine(QPointF(6, 10), QPointF(11.5, 1));
    p.drawLine(QPointF(10, 10), QPointF(4.5, 1));
}

void paste(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(180, 130, 70));
    p.drawRect(QRectF(1.5, 2.5, 10, 12));
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(4.5, 1, 4, 3));
    sheet(p, QRectF(7.5, 6.5, 7.5, 9));
}

void split(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(kBlue, 2));
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
}

// A page of code: a sheet with indented lines.
void sourceFile(QPainter& p) {
    sheet(p, QRectF(2.5, 1.5, 11, 13));
    p.setPen(QPen(kBlue, 1.2));
    p.drawLine(QPointF(4.5, 5), QPointF(9, 5));
    p.drawLine(QPointF(6.5, 7.5), QPointF(11, 7.5));
    p.drawLine(QPointF(6.5, 10), QPointF(10, 10));
    p.drawLine(QPointF(4.5, 12.5), QPointF(7, 12.5));
}

// An action: a lightning bolt.
void actionEntry(QPainter& p) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(240, 150, 30));
    p.drawPolygon(QPolygonF({QPointF(9.5, 1), QPointF(3.5, 9), QPointF(7.5, 9), QPointF(5.5, 15),
                             QPointF(12.5, 6.5), QPointF(8.5, 6.5), QPointF(11, 1)}));
}

QIcon standard(QStyle::StandardPixmap pixmap) {
    return QApplication::style()->standardIcon(pixmap);
}

}  // namespace

QIcon iconFor(Glyph glyph) {
    switch (glyph) {
        case Glyph::None: return {};
        case Glyph::NewFile: return paintedIcon(newFile);
        case Glyph::OpenFile: return paintedIcon(openFile);
        case Glyph::Save: return standard(QStyle::SP_DialogSaveButton);
        case Glyph::SaveAs: return paintedIcon(saveAs);
        case Glyph::SaveAll: return paintedIcon(saveAll);
        case Glyph::Reload: return paintedIcon(reload);
        case Glyph::Settings: return paintedIcon(gear);
        case Glyph::Compile: return paintedIcon(compile);
        case Glyph::Run: return paintedIcon(run);
        case Glyph::Find: return paintedIcon(find);
        case Glyph::FindNext: return paintedIcon(findNext);
        case Glyph::FindBack: return paintedIcon(findBack);
        case Glyph::Replace: return paintedIcon(replace);
        case Glyph::Macro: return paintedIcon(macro);
        case Glyph::Help: return paintedIcon(help);
        case Glyph::Contents: return paintedIcon(contents);
        case Glyph::Undo: return paintedIcon([](QPainter& p) { curvedArrow(p, false); });
        case Glyph::Redo: return paintedIcon([](QPainter& p) { curvedArrow(p, true); });
        case Glyph::Copy: return paintedIcon(copy);
        case Glyph::Cut: return paintedIcon(cut);
        case Glyph::Paste: return paintedIcon(paste);
        case Glyph::Split: return paintedIcon(split);
        case Glyph::SourceFile: return paintedIcon(sourceFile);
        case Glyph::ActionEntry: return paintedIcon(actionEntry);
    }
    return {};
}
