// The floor of korvada-cli render: the least a program must do for the
// same picture. It parses the drawings of make_drawing.py into a flat
// array and paints them with plain QPainter on a QImage of the canvas's
// pixels, then saves the PNG. Not built with the project; see
// compare_render.py.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>
struct Rec { int cls; int32_t f[12]; };
static const double kUpp = 26.55844;
static QPointF P(int x, int y) { return QPointF(x / kUpp, -y / kUpp); }
int main(int argc, char** argv) {
    QFile file(QString::fromLocal8Bit(argv[1])); if (!file.open(QIODevice::ReadOnly)) return 2;
    const QByteArray b = file.readAll(); const char* p = b.constData(); const char* e = p + b.size();
    auto u16 = [&] { uint16_t v; memcpy(&v, p, 2); p += 2; return v; };
    auto u32 = [&] { uint32_t v; memcpy(&v, p, 4); p += 4; return v; };
    uint32_t n = u16(); if (n == 0xFFFF) n = u32();
    static const std::map<std::string, std::pair<int,int>> kFields = {
        {"CLine", {0, 7}}, {"CRectangle", {1, 8}}, {"CCircle", {2, 8}}, {"CRectFill", {3, 7}},
        {"CCircleFill", {4, 7}}, {"CArc", {5, 12}}, {"CBezier", {6, 12}}, {"CPieFill", {7, 11}}};
    std::map<uint32_t, std::pair<int,int>> byIndex; uint32_t next = 1;
    std::vector<Rec> recs; recs.reserve(n);
    for (uint32_t i = 0; i < n && p < e; ++i) {
        uint16_t tag = u16(); std::pair<int,int> c;
        if (tag == 0xFFFF) { u16(); uint16_t len = u16(); c = kFields.at(std::string(p, len)); p += len; byIndex[next++] = c; }
        else c = byIndex.at(tag & 0x7FFF);
        ++next; Rec r{c.first, {}}; memcpy(r.f, p, 4 * c.second); p += 4 * c.second; recs.push_back(r);
    }
    QImage img(1024, 768, QImage::Format_RGB32); img.fill(Qt::white);
    QPainter qp(&img);
    const Qt::PenStyle styles[5] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};
    for (const Rec& r : recs) {
        const int* f = r.f; QColor col(f[4] & 0xFF, (f[4] >> 8) & 0xFF, (f[4] >> 16) & 0xFF);
        QRectF box = QRectF(P(f[0], f[1]), P(f[2], f[3])).normalized();
        auto pen = [&](int w, int s) { QPen pn(col, qMax(1, qRound(w * 26 / kUpp)), styles[s % 5]); qp.setPen(pn); };
        switch (r.cls) {
        case 0: pen(f[5], f[6]); qp.drawLine(P(f[0], f[1]), P(f[2], f[3])); break;
        case 1: pen(f[5], f[7]); qp.setBrush(Qt::NoBrush); qp.drawRect(box); break;
        case 2: pen(f[5], f[7]); qp.setBrush(Qt::NoBrush); qp.drawEllipse(box); break;
        case 3: qp.setPen(col); qp.setBrush(f[5] == 1 ? QBrush(col) : QBrush(col, Qt::BDiagPattern)); qp.drawRect(box); break;
        case 4: qp.setPen(col); qp.setBrush(f[5] == 1 ? QBrush(col) : QBrush(col, Qt::CrossPattern)); qp.drawEllipse(box); break;
        case 5: pen(f[9], f[11]); qp.setBrush(Qt::NoBrush); qp.drawArc(box, 0, 90 * 16); break;
        case 6: { pen(f[9], f[11]); QPainterPath path(P(f[0], f[1])); path.cubicTo(P(f[5], f[6]), P(f[7], f[8]), P(f[2], f[3])); qp.setBrush(Qt::NoBrush); qp.drawPath(path); break; }
        case 7: qp.setPen(col); qp.setBrush(QBrush(col, Qt::DiagCrossPattern)); qp.drawPie(box, 0, 90 * 16); break;
        }
    }
    qp.end();
    return img.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 3;
}
