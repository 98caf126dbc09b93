// SPDX-License-Identifier: GPL-3.0-or-later
// The windows drawn smaller than designed, on a screen with 1.5 screen pixels per logical pixel.
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "cases/CasePicture.h"
#include "ui/Form1.h"
#include "ui/PictureResize.h"

using namespace kestive;
using namespace kestive::ui;

namespace {
const QColor kGrey(50, 50, 50);

QString builtPicture(int i) {
    return QStringLiteral(KESTIVE_BUILT_PICTURES_DIR "/") + QString::fromStdString(casePictureFileName(i));
}

QList<int> runWidths(const QImage& image, int y, const QColor& colour) {
    QList<int> widths;
    for (int x = 0, run = 0; x <= image.width(); ++x)
        if (x < image.width() && image.pixelColor(x, y) == colour)
            ++run;
        else if (run > 0)
            widths << std::exchange(run, 0);
    return widths;
}

// The picture with each run of equal columns and each run of equal rows taken once: what stays the
// same when every sticker and gap keeps at least one column and one row, and nothing new appears.
QList<QList<QRgb>> runsOf(const QImage& image) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        bool same = x > 0;
        for (int y = 0; same && y < image.height(); ++y) same = image.pixel(x, y) == image.pixel(x - 1, y);
        if (!same) columns << x;
    }
    QList<QList<QRgb>> rows;
    for (int y = 0; y < image.height(); ++y) {
        QList<QRgb> row;
        for (int x : columns) row << image.pixel(x, y);
        if (rows.isEmpty() || rows.back() != row) rows << row;
    }
    return rows;
}

struct Main {
    ClockSeededRandom random;
    Form1 form;
    explicit Main(std::optional<double> scale)
        : form(random, workPlaceIn(std::filesystem::current_path()), nullptr, nullptr, scale) {
        form.load();
    }
};
}  // namespace

class Scaling : public QObject {
    Q_OBJECT
    QTemporaryDir folder;

private slots:
    void initTestCase() {
        QCOMPARE(qApp->devicePixelRatio(), 1.5);
        for (int i = 0; i < kCaseCount; ++i)
            QVERIFY(QFile::copy(builtPicture(i),
                                folder.filePath(QString::fromStdString(casePictureFileName(i)))));
        QDir::setCurrent(folder.path());
    }

    // The test screen (800 x 600 screen pixels, 533 x 400 logical) is far too small for the design.
    void theMainWindowFitsItsScreenWithEveryCase() {
        Main m(std::nullopt);
        const double s = m.form.scale().factor();
        const QSize room =
            m.form.screen()->availableGeometry().size() - Form1::kFrameAllowance - m.form.size();
        QVERIFY2(
            s < 1 && room.width() >= 0 && room.height() >= 0 && std::min(room.width(), room.height()) <= 1,
            qPrintable(
                QStringLiteral("scale %1, room left %2 x %3").arg(s).arg(room.width()).arg(room.height())));
    }

    // Places, sizes and fonts by one factor, in the main window and the windows it opens: each control
    // where the design puts it times the factor (give or take the rounding of an edge), its font rounded
    // down, and no caption cut off that is whole at the design size.
    void everyControlByTheSameFactorWithItsCaptionWhole_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("1366x768") << 0.87;
        QTest::newRow("1280x720") << 0.81;
        QTest::newRow("half") << 0.5;
    }
    void everyControlByTheSameFactorWithItsCaptionWhole() {
        QFETCH(double, scale);
        Main design(1.0), small(scale);
        auto placed = [](Main& m) {
            m.form.mnuAbout->trigger();
            m.form.mnuLoad->trigger();
            QTest::mouseClick(m.form.Command5, Qt::LeftButton);
            QList<std::pair<QWidget*, QRect>> all;
            for (QWidget* window : QList<QWidget*>{m.form.client(), m.form.secondary().form2(),
                                                   m.form.secondary().form3(), m.form.secondary().form4()}) {
                all.append({window, window->rect()});
                for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    all.append({w, w->geometry()});
            }
            return all;
        };
        auto fits = [](const QWidget* w) {
            const QString text = w->property("text").toString();
            if (text.isEmpty() || !(qobject_cast<const QLabel*>(w) || qobject_cast<const QPushButton*>(w)))
                return true;
            const QFontMetrics metrics(w->font());
            if (qobject_cast<const QPushButton*>(w)) return metrics.horizontalAdvance(text) + 8 <= w->width();
            const QRect needed =
                metrics.boundingRect(QRect(0, 0, w->width(), 100000), Qt::TextWordWrap, text);
            return needed.width() <= w->width() && needed.height() <= w->height();
        };
        const auto big = placed(design), smaller = placed(small);
        QCOMPARE(smaller.size(), big.size());
        for (qsizetype i = 0; i < big.size(); ++i) {
            const auto [w, place] = smaller[i];
            const QRect was = big[i].second;
            const int font = big[i].first->font().pixelSize();
            auto near = [scale](int edge, int designed) { return std::abs(edge - designed * scale) <= 1; };
            QVERIFY2(near(place.left(), was.left()) && near(place.top(), was.top()) &&
                         near(place.right() + 1, was.right() + 1) &&
                         near(place.bottom() + 1, was.bottom() + 1),
                     qPrintable(w->objectName()));
            QVERIFY2(
                font > 0 && w->font().pixelSize() <= font * scale && w->font().pixelSize() > font * scale - 1,
                qPrintable(w->objectName()));
            QVERIFY2(!fits(big[i].first) || fits(w),
                     qPrintable(w->objectName() + ": " + w->property("text").toString()));
        }
        QCOMPARE(small.form.mnuFile->font(), small.form.font());
    }

    // One design pixel is 1.5 screen pixels: every grid line and outline gets the same whole number. The
    // case pictures are made for their boxes: shrunk to the box as it is on the screen, they fill it.
    void barsAndPicturesPixelForPixel_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("design size") << 1.0;
        QTest::newRow("1280x800") << 0.91;
        QTest::newRow("1366x768") << 0.87;
    }
    void barsAndPicturesPixelForPixel() {
        QFETCH(double, scale);
        Main m(scale);
        const QImage& picture = m.form.pll[20]->image();
        QCOMPARE(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 resizeKeepingEveryArea(m.form.pll[20]->loadedImage(), picture.size()));
        QtPictureBox* bar = m.form.avg[4];
        const int line = bar->linePixels();
        const QList<int> drawn = runWidths(bar->image(), bar->image().height() / 2, kGrey);
        QVERIFY2(drawn.size() >= 11 && drawn == QList<int>(drawn.size(), line),
                 qPrintable(QStringLiteral("grid line widths %1").arg(QString::number(drawn.size()))));
        // On the screen, too: the drawing is put there pixel for pixel, inside an outline as wide.
        const QImage shown = bar->grab().toImage();
        QCOMPARE(shown.size(), bar->image().size() + QSize(2 * line, 2 * line));
        QCOMPARE(runWidths(shown, shown.height() / 2, kGrey), drawn);
        QCOMPARE(runWidths(shown, shown.height() / 2, Qt::black).first(), line);
    }

    // The real case pictures shrunk for the smaller scales: every sticker and gap stays, colours unmixed.
    void shrunkPicturesKeepEveryStickerAndGap_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < kCaseCount; ++i) QTest::newRow(casePictureFileName(i).c_str()) << i;
    }
    void shrunkPicturesKeepEveryStickerAndGap() {
        QFETCH(int, index);
        QImage picture(builtPicture(index));
        QVERIFY(!picture.isNull());
        picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int size : {50, 60, 66, 70, 74, 80, 122}) {
            const QImage shrunk = resizeKeepingEveryArea(picture, QSize(size, size));
            QVERIFY2(shrunk.size() == QSize(size, size), qPrintable(QString::number(size)));
            QVERIFY2(runsOf(shrunk) == runsOf(picture), qPrintable(QStringLiteral("at %1 pixels").arg(size)));
        }
    }

    // A long run cannot take the room that the runs after it need; a picture with more runs than the
    // new size has pixels fades its details smoothly rather than dropping some.
    void shrinkingLeavesRoomForEveryRunOrFadesThem() {
        auto row = [](const QList<QColor>& colours) {
            QImage image(static_cast<int>(colours.size()), 1, QImage::Format_ARGB32_Premultiplied);
            for (int x = 0; x < image.width(); ++x) image.setPixelColor(x, 0, colours[x]);
            return image;
        };
        const QColor r(Qt::red), b(Qt::blue), g(Qt::green), k(Qt::black), w(Qt::white);
        const QImage runs = resizeKeepingEveryArea(row({r, r, r, r, r, r, r, r, r, r, b, g}), QSize(3, 1));
        QCOMPARE(runs, row({r, b, g}));
        const QImage faded = resizeKeepingEveryArea(row({k, w, k, w}), QSize(2, 1));
        for (int x : {0, 1})
            QVERIFY2(faded.pixelColor(x, 0).red() > 60 && faded.pixelColor(x, 0).red() < 195,
                     qPrintable(faded.pixelColor(x, 0).name()));
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    Scaling test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_scaling.moc"
