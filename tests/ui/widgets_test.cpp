// SPDX-License-Identifier: GPL-3.0-or-later
// Qt Test for the game's own widgets: the dot-matrix ticker and its font, the
// shadowed label, the gradient button, the XY plot and the gauge. Besides the
// checks, it writes a screenshot of each widget at its design size into the
// folder named by KELPMARK_SCREENSHOT_DIR (when set).

#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <memory>
#include <random>

#include "widgets/dot_matrix_font.h"
#include "widgets/dot_matrix_ticker.h"
#include "widgets/gauge.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"
#include "widgets/plot_scale.h"
#include "widgets/xy_plot.h"

using namespace kelpmark::widgets;

namespace {

const QColor kMainBackground(0, 128, 64);
const QColor kDialogBackground(0, 117, 58);

QImage render(QWidget& w) {
  QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

int countPixels(const QImage& image, QRgb colour, const QRect& area = QRect()) {
  const QRect r = area.isNull() ? image.rect() : area.intersected(image.rect());
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFFu) == (colour & 0xFFFFFFu) && qAlpha(image.pixel(x, y)) == 255) ++n;
  return n;
}

// A panel in the window colour, for widgets that draw onto their background.
std::unique_ptr<QWidget> panel(const QColor& colour, QSize size) {
  auto w = std::make_unique<QWidget>();
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, colour);
  w->setPalette(pal);
  w->setAutoFillBackground(true);
  w->resize(size);
  return w;
}

void saveShot(QWidget& w, const QString& name) {
  const QByteArray dir = qgetenv("KELPMARK_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(QString::fromLocal8Bit(dir));
  const QString path = QDir(QString::fromLocal8Bit(dir)).filePath(name + QStringLiteral(".png"));
  QVERIFY2(w.grab().save(path), qPrintable(path));
}

int lit(const DotGlyph& g) {
  int n = 0;
  for (auto row : g) n += std::popcount(static_cast<unsigned>(row));
  return n;
}

QString cyrillicLetters(bool upper) {
  QString s;
  const char16_t from = upper ? 0x0410 : 0x0430;
  for (char16_t c = from; c < from + 32; ++c) s += QChar(c);
  s += QChar(upper ? 0x0401 : 0x0451);  // Ё ё
  return s;
}

// Price-like test data: one point per hour for a game year.
struct PriceData {
  XYPlot::Points retail, wholesale, market;
  explicit PriceData(int n) {
    for (int i = 0; i < n; ++i) {
      const double t = i;
      retail.emplace_back(t, 10.5 + 1.5 * std::sin(t / 9.0) + 0.002 * t);
      wholesale.emplace_back(t, 8.0 + 1.2 * std::sin(t / 7.0 + 1.0) + 0.002 * t);
      market.emplace_back(t, 1.0 + 0.4 * std::cos(t / 15.0));
    }
  }
};

// The main window's price chart, set up as the window does.
void setUpPriceChart(XYPlot& plot, PriceData& data) {
  plot.resize(345, 109);
  plot.setAxisRange(XYPlot::Axis::Left, 0.775, 10.225);
  plot.setAxisRange(XYPlot::Axis::Right, 0.775, 10.225);
  plot.setAxisAutoScale(XYPlot::Axis::Left, true);
  plot.setAxisAutoScale(XYPlot::Axis::Right, true);
  plot.setAxisGrid(XYPlot::Axis::Left, XYPlot::GridStyle::Dotted, Qt::black);
  plot.setAxisGrid(XYPlot::Axis::Right, XYPlot::GridStyle::None);
  plot.setAxisGrid(XYPlot::Axis::Bottom, XYPlot::GridStyle::Solid, QColor(192, 192, 192));
  plot.setAxisLabelsVisible(XYPlot::Axis::Bottom, false);
  plot.setSeriesData(plot.addSeries(Qt::red, XYPlot::Axis::Left), &data.retail);
  plot.setSeriesData(plot.addSeries(Qt::blue, XYPlot::Axis::Left), &data.wholesale);
  plot.setSeriesData(plot.addSeries(QColor(0, 128, 0), XYPlot::Axis::Right), &data.market);
}

// The reports window's chart.
void setUpReportChart(XYPlot& plot, XYPlot::Points& values) {
  plot.resize(251, 211);
  plot.setAxisRange(XYPlot::Axis::Left, 0, 10.25);
  plot.setAxisRange(XYPlot::Axis::Right, 0, 1);
  plot.setAxisRange(XYPlot::Axis::Bottom, 0, 12);
  plot.setAxisAutoScale(XYPlot::Axis::Left, true);
  plot.setAxisGrid(XYPlot::Axis::Bottom, XYPlot::GridStyle::Solid, QColor(192, 192, 192));
  plot.setAxisCaption(XYPlot::Axis::Bottom, QStringLiteral("Месяц"));
  plot.setSeriesData(plot.addSeries(QColor(128, 0, 0), XYPlot::Axis::Left, QStringLiteral("Расходы")),
                     &values);
  plot.addSeries(QColor(0, 128, 0), XYPlot::Axis::Left, QStringLiteral("Доходы"));
}

}  // namespace

class WidgetsTest : public QObject {
  Q_OBJECT

 private slots:
  // ShadowLabel
  void labelFollowsText();
  void clickableLabel();
  void shadowIsOnePixelDownRight();

  // Dot font and ticker
  void fontCoversAsciiAndCyrillic();
  void fontLettersAreDistinct();
  void fontUnknownCharactersGetBox();
  void tickerScrollsOneColumnPerStepAndWraps();
  void tickerPadsShortText();
  void tickerKeepsOrResetsPosition();
  void tickerTimerSteps200ms();
  void tickerDotGeometry();
  void tickerFillsItsFrame();

  // XYPlot
  void visibleSlice();
  void yRangeFollowsVisiblePoints();
  void fitRangeMargins();
  void tickLabels_data();
  void tickLabels();
  void ticksAreRoundAndDoNotOverlap();
  void chartLayouts();
  void linesStayInsideField();
  void linesKeptMatchLinesDrawnAfresh();
  void paintCost();

  // Gauge and button
  void gaugeClamps();
  void gaugeBarGeometry();
  void buttonTones();

  void screenshots();
};

// --- ShadowLabel ------------------------------------------------------------------

void WidgetsTest::labelFollowsText() {
  ShadowLabel label;
  label.setText(QStringLiteral("Рыбы:  12 кг."));
  QCOMPARE(label.displayText(), QStringLiteral("Рыбы:  12 кг."));
  const int narrow = label.sizeHint().width();
  label.setText(QStringLiteral("Рыбы:  12000 / 40000 кг."));
  QVERIFY(label.sizeHint().width() > narrow);
  label.setBold(true);
  QVERIFY(label.isBold());
  QVERIFY(label.sizeHint().width() >= QFontMetrics(label.font()).horizontalAdvance(label.displayText()));
}

void WidgetsTest::clickableLabel() {
  ShadowLabel label;
  label.resize(255, 16);
  label.setText(QStringLiteral("Пн 01.01.2001 10:00"));
  QSignalSpy spy(&label, &ShadowLabel::clicked);

  QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(20, 8));
  QCOMPARE(spy.count(), 0);  // not clickable yet
  QCOMPARE(label.cursor().shape(), Qt::ArrowCursor);

  label.setClickable(true);
  QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(20, 8));
  QCOMPARE(spy.count(), 1);
  QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(20, 8));
  QCOMPARE(spy.count(), 1);
  // Pressed inside, released outside: no click.
  QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(20, 8));
  QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(300, 40));
  QCOMPARE(spy.count(), 1);

  label.setClickable(false);
  QCOMPARE(label.cursor().shape(), Qt::ArrowCursor);
}

void WidgetsTest::shadowIsOnePixelDownRight() {
  ShadowLabel label;
  label.resize(170, 16);
  label.setText(QStringLiteral("Денег:  $10000"));
  const QImage image = render(label);
  // Bounding boxes of the solid black shadow and the solid lime text.
  QRect black, lime;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qAlpha(p) != 255) continue;
      if (p == qRgb(0, 0, 0))
        black |= QRect(x, y, 1, 1);
      else if (p == qRgb(0, 255, 0))
        lime |= QRect(x, y, 1, 1);
    }
  }
  QVERIFY(!lime.isEmpty());
  QVERIFY(!black.isEmpty());
  QCOMPARE(black.right(), lime.right() + 1);
  QCOMPARE(black.bottom(), lime.bottom() + 1);
  // The background stays transparent.
  QCOMPARE(qAlpha(image.pixel(169, 0)), 0);
}

// --- Dot font and ticker ----------------------------------------------------------------

void WidgetsTest::fontCoversAsciiAndCyrillic() {
  QString letters = cyrillicLetters(true) + cyrillicLetters(false) + QChar(0x2116);
  for (const QChar c : letters) {
    QVERIFY2(DotMatrixFont::hasGlyph(c), qPrintable(QString(c)));
    QVERIFY2(lit(DotMatrixFont::glyph(c)) > 0, qPrintable(QString(c)));
    QVERIFY2(DotMatrixFont::glyph(c) != DotMatrixFont::unknownGlyph(), qPrintable(QString(c)));
  }
  for (char16_t u = 32; u <= 126; ++u) {
    const QChar c(u);
    QVERIFY(DotMatrixFont::hasGlyph(c));
    QCOMPARE(lit(DotMatrixFont::glyph(c)) == 0, u == 32);
  }
  // Every glyph fits five columns.
  for (const QChar c : letters + QStringLiteral("@#%&MW~"))
    for (auto row : DotMatrixFont::glyph(c)) QVERIFY(row < 32);
}

void WidgetsTest::fontLettersAreDistinct() {
  const auto allDistinct = [](const QString& set) {
    for (int i = 0; i < set.size(); ++i)
      for (int j = i + 1; j < set.size(); ++j)
        if (DotMatrixFont::glyph(set[i]) == DotMatrixFont::glyph(set[j]))
          return QString(set[i]) + QString(set[j]);
    return QString();
  };
  QCOMPARE(allDistinct(cyrillicLetters(true)), QString());
  QCOMPARE(allDistinct(cyrillicLetters(false)), QString());
  QCOMPARE(allDistinct(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")), QString());
  QCOMPARE(allDistinct(QStringLiteral("abcdefghijklmnopqrstuvwxyz")), QString());
  // Digits against each other and against the letters they resemble.
  QCOMPARE(allDistinct(QStringLiteral("0123456789OIlSZBЗб")), QString());
  // A small letter never repeats its capital.
  const QString upper = cyrillicLetters(true);
  const QString lower = cyrillicLetters(false);
  for (int i = 0; i < upper.size(); ++i)
    QVERIFY2(DotMatrixFont::glyph(upper[i]) != DotMatrixFont::glyph(lower[i]), qPrintable(QString(upper[i])));
}

void WidgetsTest::fontUnknownCharactersGetBox() {
  for (const char16_t u :
       {char16_t(0x20AC), char16_t(0x00E4), char16_t(0x4E2D), char16_t(9), char16_t(127)}) {
    QVERIFY(!DotMatrixFont::hasGlyph(QChar(u)));
    QCOMPARE(DotMatrixFont::glyph(QChar(u)), DotMatrixFont::unknownGlyph());
  }
  QVERIFY(lit(DotMatrixFont::unknownGlyph()) > 0);
  QCOMPARE(DotMatrixFont::column(DotMatrixFont::glyph(u'I'), -1), std::uint8_t{0});
  QCOMPARE(DotMatrixFont::column(DotMatrixFont::glyph(u'I'), 5), std::uint8_t{0});
  // 'L' has its upright in the left column and its foot along the bottom row.
  QCOMPARE(DotMatrixFont::column(DotMatrixFont::glyph(u'L'), 0), std::uint8_t{0x7F});
  QCOMPARE(DotMatrixFont::column(DotMatrixFont::glyph(u'L'), 1), std::uint8_t{0x40});
}

void WidgetsTest::tickerScrollsOneColumnPerStepAndWraps() {
  DotMatrixTicker ticker;
  const QString text = QStringLiteral("Day close: $1234.5  ДОХОД № 7, ёж");
  ticker.setText(text);
  const int cycle = ticker.cycleLength();
  QCOMPARE(cycle, static_cast<int>(text.size()) * 5);
  const auto expected = [&](int textColumn) {
    textColumn %= cycle;
    return DotMatrixFont::column(DotMatrixFont::glyph(text[textColumn / 5]), textColumn % 5);
  };
  for (int step = 0; step <= cycle + 3; ++step) {
    QCOMPARE(ticker.scrollOffset(), step % cycle);
    for (int i = 0; i < DotMatrixTicker::kVisibleColumns; ++i)
      QCOMPARE(ticker.visibleColumn(i), expected(step + i));
    ticker.scrollStep();
  }
  QCOMPARE(ticker.visibleColumn(-1), std::uint8_t{0});
  QCOMPARE(ticker.visibleColumn(DotMatrixTicker::kVisibleColumns), std::uint8_t{0});
}

void WidgetsTest::tickerPadsShortText() {
  DotMatrixTicker ticker;
  ticker.setText(QStringLiteral("OK"));
  QCOMPARE(ticker.cycleLength(), DotMatrixTicker::kVisibleColumns);
  for (int i = 10; i < DotMatrixTicker::kVisibleColumns; ++i)
    QCOMPARE(ticker.visibleColumn(i), std::uint8_t{0});
  // After 100 steps the text has gone round and re-enters five columns from the left.
  for (int i = 0; i < 100; ++i) ticker.scrollStep();
  QCOMPARE(ticker.visibleColumn(5), DotMatrixFont::column(DotMatrixFont::glyph(u'O'), 0));
  QCOMPARE(ticker.visibleColumn(4), std::uint8_t{0});
  for (int i = 0; i < 5; ++i) ticker.scrollStep();
  QCOMPARE(ticker.scrollOffset(), 0);

  ticker.setText(QString());
  QCOMPARE(ticker.cycleLength(), DotMatrixTicker::kVisibleColumns);
  ticker.scrollStep();
  QCOMPARE(ticker.visibleColumn(0), std::uint8_t{0});
}

void WidgetsTest::tickerKeepsOrResetsPosition() {
  DotMatrixTicker ticker;
  const QString report = QString(20, u' ') + QStringLiteral("Day close: $250") + QString(20, u' ');
  ticker.setText(report);
  for (int i = 0; i < 37; ++i) ticker.scrollStep();
  ticker.setText(report);  // the same text again
  QCOMPARE(ticker.scrollOffset(), 37);
  ticker.setText(report + QStringLiteral("Market is up"));  // the trend word appended
  QCOMPARE(ticker.scrollOffset(), 37);
  QCOMPARE(ticker.text(), report + QStringLiteral("Market is up"));
  ticker.setText(QStringLiteral("YOUR REPUTATION IS DANGEROUS LOW!"));
  QCOMPARE(ticker.scrollOffset(), 0);
}

void WidgetsTest::tickerTimerSteps200ms() {
  DotMatrixTicker ticker;
  ticker.setText(QStringLiteral("PRESS F2 TO START!"));
  QVERIFY(!ticker.isRunning());
  QElapsedTimer clock;
  clock.start();
  ticker.start();
  QVERIFY(ticker.isRunning());
  QTRY_VERIFY_WITH_TIMEOUT(ticker.scrollOffset() >= 1, 3000);
  QVERIFY2(clock.elapsed() >= 180, qPrintable(QString::number(clock.elapsed())));
  QTest::qWait(700);
  // Never faster than one column per 200 ms.
  QVERIFY(ticker.scrollOffset() <= clock.elapsed() / 190);
  ticker.stop();
  QVERIFY(!ticker.isRunning());
  const int stoppedAt = ticker.scrollOffset();
  QTest::qWait(450);
  QCOMPARE(ticker.scrollOffset(), stoppedAt);
}

void WidgetsTest::tickerDotGeometry() {
  const QRgb yellow = qRgb(255, 255, 0);
  const QRgb unlit = qRgb(94, 94, 0);
  DotMatrixTicker ticker;
  QCOMPARE(ticker.sizeHint(), QSize(217, 21));
  ticker.resize(217, 21);
  ticker.setText(QString(21, u' '));
  QImage image = render(ticker);
  QCOMPARE(countPixels(image, unlit), 105 * 7);
  QCOMPARE(countPixels(image, yellow), 0);
  // First dot at (4, 4) after a one-pixel border and three pixels of black;
  // one dark pixel between dots; last dot at (212, 16).
  QCOMPARE(image.pixel(4, 4), unlit);
  QCOMPARE(image.pixel(3, 4), qRgb(0, 0, 0));
  QCOMPARE(image.pixel(5, 4), qRgb(0, 0, 0));
  QCOMPARE(image.pixel(4, 5), qRgb(0, 0, 0));
  QCOMPARE(image.pixel(6, 6), unlit);
  QCOMPARE(image.pixel(212, 16), unlit);
  QCOMPARE(image.pixel(213, 17), qRgb(0, 0, 0));
  QCOMPARE(image.pixel(216, 20) == qRgb(0, 0, 0), false);        // the border
  QVERIFY(qRed(image.pixel(0, 0)) > qGreen(image.pixel(0, 0)));  // maroon

  // "Ж" in the second character cell: its dots lit, at x = 14 + 2 * column.
  ticker.setText(QStringLiteral(" Ж"));
  image = render(ticker);
  const DotGlyph& zhe = DotMatrixFont::glyph(u'Ж');
  QCOMPARE(countPixels(image, yellow), lit(zhe));
  QCOMPARE(image.pixel(14, 4), yellow);  // top-left dot of Ж
  QCOMPARE(image.pixel(16, 4), unlit);

  // Twice the size: every dot becomes 2 x 2 pixels.
  ticker.resize(434, 42);
  image = render(ticker);
  QCOMPARE(countPixels(image, yellow), 4 * lit(zhe));
  QCOMPARE(countPixels(image, unlit), 4 * (105 * 7 - lit(zhe)));
  QCOMPARE(image.pixel(28, 8), yellow);
  QCOMPARE(image.pixel(29, 9), yellow);
  QCOMPARE(image.pixel(30, 8), qRgb(0, 0, 0));
}

// On the screen's own scale (this runs at 1, and under 1.25, 1.5 and 2 from CTest):
// the dots fill the frame, every dot a square of whole device pixels in one of
// the ticker's colours, the gaps differing by at most a pixel.
void WidgetsTest::tickerFillsItsFrame() {
  const QRgb unlit = qRgb(94, 94, 0);
  auto w = panel(kMainBackground, QSize(233, 37));
  auto* ticker = new DotMatrixTicker(w.get());
  ticker->setGeometry(8, 8, 217, 21);
  ticker->setText(QString(21, u' '));
  w->show();
  QVERIFY(QTest::qWaitForWindowExposed(w.get()));
  const QPixmap shot = ticker->grab();
  const QImage image = shot.toImage().convertToFormat(QImage::Format_RGB32);
  const QList<QRgb> palette{qRgb(255, 255, 0), unlit, qRgb(0, 0, 0), qRgb(170, 44, 44), qRgb(64, 0, 0)};
  int top = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y) | 0xFF000000u;
      QVERIFY2(palette.contains(p), qPrintable(QStringLiteral("blended pixel at %1,%2").arg(x).arg(y)));
      if (p == unlit) {
        if (top < 0) top = y;
        bottom = y;
      }
    }
  QVERIFY(top >= 0);
  // The first row of dots: 105 runs of one width, the gaps within a pixel of each other.
  QList<int> starts, widths;
  for (int x = 0; x < image.width(); ++x) {
    if ((image.pixel(x, top) | 0xFF000000u) != unlit) continue;
    if (starts.isEmpty() || starts.last() + widths.last() != x) {
      starts << x;
      widths << 0;
    }
    ++widths.last();
  }
  QCOMPARE(starts.size(), DotMatrixTicker::kVisibleColumns);
  QVERIFY(std::all_of(widths.begin(), widths.end(), [&](int d) { return d == widths.first(); }));
  const int dot = widths.first();
  QCOMPARE(bottom - top + 1 >= 7 * dot, true);
  int minGap = image.width(), maxGap = 0;
  for (qsizetype i = 1; i < starts.size(); ++i) {
    const int gap = starts[i] - starts[i - 1] - dot;
    minGap = std::min(minGap, gap);
    maxGap = std::max(maxGap, gap);
  }
  QVERIFY(minGap >= 1 && maxGap - minGap <= 1);
  const int spanX = starts.last() + dot - starts.first();
  QVERIFY2(spanX * 100 >= image.width() * 90, qPrintable(QStringLiteral("%1 of %2").arg(spanX).arg(image.width())));
  QVERIFY2((bottom - top + 1) * 100 >= image.height() * 55,
           qPrintable(QStringLiteral("%1 of %2").arg(bottom - top + 1).arg(image.height())));
  ticker->setText(QStringLiteral("Рынок растёт! PRICE UP"));
  saveShot(*w, QStringLiteral("ticker_scale_%1").arg(qRound(shot.devicePixelRatio() * 100)));
}

// --- XYPlot ---------------------------------------------------------------------------

void WidgetsTest::visibleSlice() {
  XYPlot::Points points;
  for (int i = 0; i < 10; ++i) points.emplace_back(i, i * i);
  using Slice = std::pair<std::size_t, std::size_t>;
  QCOMPARE(plot_scale::visibleSlice(points, 2.5, 6.5), Slice(3, 7));
  QCOMPARE(plot_scale::visibleSlice(points, 3, 6), Slice(3, 7));  // ends included
  QCOMPARE(plot_scale::visibleSlice(points, -5, -1), Slice(0, 0));
  QCOMPARE(plot_scale::visibleSlice(points, 20, 30), Slice(10, 10));
  QCOMPARE(plot_scale::visibleSlice(points, 4.2, 4.8), Slice(5, 5));
  QCOMPARE(plot_scale::visibleSlice(points, -100, 100), Slice(0, 10));
  QCOMPARE(plot_scale::visibleSlice({}, 0, 72), Slice(0, 0));
  const XYPlot::Points repeated{{1, 0}, {2, 0}, {2, 1}, {2, 2}, {3, 0}};
  QCOMPARE(plot_scale::visibleSlice(repeated, 2, 2), Slice(1, 4));
}

void WidgetsTest::yRangeFollowsVisiblePoints() {
  XYPlot plot;
  plot.resize(345, 109);
  plot.setAxisRange(XYPlot::Axis::Left, 0.775, 10.225);
  plot.setAxisRange(XYPlot::Axis::Right, 0.775, 10.225);
  plot.setAxisAutoScale(XYPlot::Axis::Left, true);
  plot.setAxisAutoScale(XYPlot::Axis::Right, true);
  XYPlot::Points rising, spike, market;
  for (int i = 0; i <= 200; ++i) rising.emplace_back(i, i);
  spike = {{10, 1000}, {120, 50}, {150, 60}};  // the 1000 lies outside the window
  market = {{300, 5}};                         // nothing inside the window
  const int a = plot.addSeries(Qt::red, XYPlot::Axis::Left);
  const int b = plot.addSeries(Qt::blue, XYPlot::Axis::Left);
  const int c = plot.addSeries(Qt::green, XYPlot::Axis::Right);

  // No points yet: the set ranges.
  QCOMPARE(plot.axisRange(XYPlot::Axis::Left), (XYPlot::Range{0.775, 10.225}));

  plot.setSeriesData(a, &rising);
  plot.setSeriesData(b, &spike);
  plot.setSeriesData(c, &market);
  plot.setAxisRange(XYPlot::Axis::Bottom, 100, 172);
  // Both left series inside 100..172: lowest 50, highest 172, plus 2.5 % of 122.
  const XYPlot::Range left = plot.axisRange(XYPlot::Axis::Left);
  QCOMPARE(left.min, 50 - 122 * 0.025);
  QCOMPARE(left.max, 172 + 122 * 0.025);
  QCOMPARE(plot.axisRange(XYPlot::Axis::Right), (XYPlot::Range{0.775, 10.225}));

  // The window slides: the ranges follow.
  plot.setAxisRange(XYPlot::Axis::Bottom, 160, 232);
  QCOMPARE(plot.axisRange(XYPlot::Axis::Left), plot_scale::fitRange({160, 200}));
  plot.setAxisRange(XYPlot::Axis::Bottom, 200, 300);
  QCOMPARE(plot.axisRange(XYPlot::Axis::Left), plot_scale::fitRange({200, 200}));
  QCOMPARE(plot.axisRange(XYPlot::Axis::Right), plot_scale::fitRange({5, 5}));
  plot.setAxisRange(XYPlot::Axis::Bottom, 160, 232);

  // Points appended by the caller are seen after dataChanged().
  rising.emplace_back(201, 500);
  plot.dataChanged();
  QCOMPARE(plot.axisRange(XYPlot::Axis::Left), plot_scale::fitRange({160, 500}));

  // Without auto-scale the set range stays.
  plot.setAxisAutoScale(XYPlot::Axis::Left, false);
  QCOMPARE(plot.axisRange(XYPlot::Axis::Left), (XYPlot::Range{0.775, 10.225}));

  // Series detached: back to the set range.
  plot.setAxisAutoScale(XYPlot::Axis::Left, true);
  plot.setSeriesData(a, nullptr);
  plot.setSeriesData(b, nullptr);
  QCOMPARE(plot.axisRange(XYPlot::Axis::Left), (XYPlot::Range{0.775, 10.225}));
  QCOMPARE(plot.seriesData(a), nullptr);
  QCOMPARE(plot.seriesData(99), nullptr);
}

void WidgetsTest::fitRangeMargins() {
  const XYPlot::Range r = plot_scale::fitRange({1, 10});
  QCOMPARE(r.min, 0.775);
  QCOMPARE(r.max, 10.225);
  QCOMPARE(plot_scale::fitRange({5, 5}), (XYPlot::Range{4.5, 5.5}));
  QCOMPARE(plot_scale::fitRange({100, 100}), (XYPlot::Range{95, 105}));
  QCOMPARE(plot_scale::fitRange({0, 0}), (XYPlot::Range{-0.5, 0.5}));
  QVERIFY(!plot_scale::dataRange({}, 0, 10).has_value());
  const XYPlot::Points nan{{1, std::nan("")}, {2, 3}};
  QCOMPARE(plot_scale::dataRange({&nan}, 0, 10).value(), (XYPlot::Range{3, 3}));
}

void WidgetsTest::tickLabels_data() {
  QTest::addColumn<double>("value");
  QTest::addColumn<QString>("expected");
  QTest::newRow("whole") << 10.0 << "10";
  QTest::newRow("one decimal") << 10.5 << "10.5";
  QTest::newRow("two decimals") << 2.25 << "2.25";
  QTest::newRow("rounded") << 3.14159 << "3.14";
  QTest::newRow("rounds up to whole") << 7.999 << "8";
  QTest::newRow("negative") << -2.5 << "-2.5";
  QTest::newRow("no thousands separator") << 12345.6 << "12345.6";
  QTest::newRow("million") << 1e6 << "1000000";
  QTest::newRow("tiny") << 0.001 << "0";
  QTest::newRow("tiny negative") << -0.001 << "0";
  QTest::newRow("sum of steps") << 0.1 + 0.2 << "0.3";
}

void WidgetsTest::tickLabels() {
  QFETCH(double, value);
  QFETCH(QString, expected);
  QCOMPARE(plot_scale::formatTick(value), expected);
  QCOMPARE(plot_scale::formatTick(value, u','), QString(expected).replace(u'.', u','));
}

void WidgetsTest::ticksAreRoundAndDoNotOverlap() {
  // Many ranges on a Y axis 93 pixels long, at most 6 ticks, labels 13 px high.
  std::mt19937 random(12345);
  std::uniform_real_distribution<double> exponent(-1.5, 6.0), offset(-2.0, 2.0);
  for (int i = 0; i < 2000; ++i) {
    const double span = std::pow(10.0, exponent(random));
    const double min = offset(random) * span;
    const XYPlot::Range range{min, min + span};
    const double step = plot_scale::tickStep(range, 6, 93, 15, true);
    const std::vector<double> ticks = plot_scale::tickValues(range, step);
    QVERIFY2(ticks.size() <= 6, qPrintable(QString::number(span)));
    QVERIFY(step / span * 93 >= 15 || step == 0.01);
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    QVERIFY2(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                 std::abs(mantissa - 2.5) < 1e-9 || std::abs(mantissa - 5) < 1e-9,
             qPrintable(QString::number(step)));
    QStringList labels;
    for (const double t : ticks) {
      QVERIFY(t >= range.min - step * 1e-6 && t <= range.max + step * 1e-6);
      labels << plot_scale::formatTick(t);
    }
    labels.removeDuplicates();
    QCOMPARE(labels.size(), static_cast<qsizetype>(ticks.size()));
  }
  // A narrow range never asks for a finer step than the labels can show.
  QCOMPARE(plot_scale::tickStep({1.001, 1.002}, 6, 93, 15, true), 0.01);
  // Months are counted in whole steps: no quarter steps on the bottom axis.
  const double monthStep = plot_scale::tickStep({0, 12}, 0, 190, 22, false);
  QCOMPARE(monthStep, 2.0);
}

void WidgetsTest::chartLayouts() {
  PriceData data(6000);
  XYPlot price;
  setUpPriceChart(price, data);
  QCOMPARE(price.sizeHint(), QSize(345, 109));
  price.setAxisRange(XYPlot::Axis::Bottom, 5000, 5072);
  QFont labelFont(QStringLiteral("Arial"));
  labelFont.setPixelSize(11);
  const QFontMetrics lfm(labelFont);
  const QRect field = price.plotArea();
  // The field takes most of the chart and leaves the labels room on both sides.
  QVERIFY(field.width() >= 345 - 2 * 45);
  QVERIFY(field.height() >= 109 - 2 * lfm.height());
  QVERIFY(field.top() >= lfm.height() / 2);
  // Y ticks: between 3 and 6, at least one label height apart, and room
  // beside the field for the widest label.
  for (const auto axis : {XYPlot::Axis::Left, XYPlot::Axis::Right}) {
    const std::vector<double> ticks = price.axisTicks(axis);
    QVERIFY(ticks.size() >= 3 && ticks.size() <= 6);
    int widest = 0;
    for (const double t : ticks) widest = std::max(widest, lfm.horizontalAdvance(plot_scale::formatTick(t)));
    QVERIFY(axis == XYPlot::Axis::Left ? field.left() > widest + 3 : 345 - field.right() > widest + 3);
    const XYPlot::Range r = price.axisRange(axis);
    const double pixelsPerTick = (ticks[1] - ticks[0]) / (r.max - r.min) * (field.height() - 1);
    QVERIFY(pixelsPerTick >= lfm.height());
  }
  // The bottom axis draws only its grid: lines about 10 steps apart.
  const std::vector<double> xTicks = price.axisTicks(XYPlot::Axis::Bottom);
  QVERIFY(xTicks.size() >= 3);

  XYPlot::Points values{{1, 12000}, {2, 15500}, {3, 14000}};
  XYPlot report;
  setUpReportChart(report, values);
  const QRect reportField = report.plotArea();
  // Under the field: tick labels and the caption "Месяц", inside the widget.
  QVERIFY(reportField.bottom() + 2 * lfm.height() < 211);
  QVERIFY(reportField.left() > lfm.horizontalAdvance(QStringLiteral("15000")));
  QVERIFY(reportField.top() > lfm.height());  // the legend is above
  const std::vector<double> months = report.axisTicks(XYPlot::Axis::Bottom);
  QCOMPARE(months.front(), 0.0);
  QCOMPARE(months.back(), 12.0);
  const double monthPixels = (months[1] - months[0]) / 12.0 * (reportField.width() - 1);
  QVERIFY(monthPixels > lfm.horizontalAdvance(QStringLiteral("12")) + 4);
  QCOMPARE(report.axisTicks(XYPlot::Axis::Right), (std::vector<double>{0, 0.2, 0.4, 0.6, 0.8, 1.0}));
}

void WidgetsTest::linesStayInsideField() {
  PriceData data(6000);
  XYPlot plot;
  setUpPriceChart(plot, data);
  plot.setAxisRange(XYPlot::Axis::Bottom, 3000, 3072);
  const QRect field = plot.plotArea();
  const QImage image = render(plot);
  int redInside = 0, redOutside = 0, blueInside = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      const bool red = qRed(p) > 200 && qGreen(p) < 120 && qBlue(p) < 120;
      const bool blue = qBlue(p) > 200 && qRed(p) < 120 && qGreen(p) < 120;
      if (red) (field.contains(x, y) ? redInside : redOutside) += 1;
      if (blue && field.contains(x, y)) ++blueInside;
    }
  }
  QVERIFY(redInside > 72);  // a line across the whole field
  QVERIFY(blueInside > 72);
  QCOMPARE(redOutside, 0);
  // The line reaches both edges of the field (neighbours outside the window are used).
  const auto columnHasRed = [&](int x) {
    for (int y = field.top(); y <= field.bottom(); ++y) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) > 150 && qGreen(p) < 150 && qBlue(p) < 150) return true;
    }
    return false;
  };
  QVERIFY(columnHasRed(field.left()));
  QVERIFY(columnHasRed(field.right()));
}

void WidgetsTest::linesKeptMatchLinesDrawnAfresh() {
  // The price chart as the game feeds it: the window slides one step an hour
  // from the 72nd on, points come from 6:00 to 20:00, and the Y ranges follow
  // them. One hour's price is missing (the line breaks), and a lone point
  // follows. After every hour the plot that keeps its lines must show exactly
  // what a plot drawing them afresh shows.
  const PriceData source(400);
  PriceData data(0);
  XYPlot kept;
  setUpPriceChart(kept, data);
  auto compare = [&](int hour, QSize size) {
    XYPlot fresh;
    setUpPriceChart(fresh, data);
    fresh.resize(size);
    fresh.setAxisRange(XYPlot::Axis::Bottom, std::max(0, hour - 72), std::max(72, hour));
    QVERIFY2(kept.grab().toImage() == fresh.grab().toImage(), qPrintable(QStringLiteral("hour %1").arg(hour)));
  };
  for (int hour = 0; hour < 300; ++hour) {
    if (hour % 24 >= 6 && hour % 24 <= 20) {
      const double y = hour == 150 || hour == 152 ? std::nan("") : source.retail[hour].second;
      data.retail.emplace_back(hour, y);
      data.wholesale.push_back(source.wholesale[hour]);
      data.market.push_back(source.market[hour]);
    }
    kept.setAxisRange(XYPlot::Axis::Bottom, std::max(0, hour - 72), std::max(72, hour));
    kept.dataChanged();
    compare(hour, kept.size());
    if (QTest::currentTestFailed()) return;
  }
  // A new size draws everything anew.
  kept.resize(420, 150);
  compare(299, kept.size());
}

void WidgetsTest::paintCost() {
  PriceData data(6000);
  XYPlot plot;
  setUpPriceChart(plot, data);
  QImage image(plot.size(), QImage::Format_ARGB32_Premultiplied);
  // A year of hourly steps, with the window sliding as in play.
  QElapsedTimer clock;
  clock.start();
  constexpr int kFrames = 200;
  for (int i = 0; i < kFrames; ++i) {
    plot.setAxisRange(XYPlot::Axis::Bottom, 5000 + i, 5072 + i);
    plot.render(&image);
  }
  const double sliding = static_cast<double>(clock.nsecsElapsed()) / 1e6 / kFrames;
  // Dense but not thinned out: a thousand points per line in view.
  plot.setAxisRange(XYPlot::Axis::Bottom, 0, 1000);
  clock.restart();
  for (int i = 0; i < 20; ++i) plot.render(&image);
  const double dense = static_cast<double>(clock.nsecsElapsed()) / 1e6 / 20;
  // Worst case: all 6000 points of each line in view.
  plot.setAxisRange(XYPlot::Axis::Bottom, 0, 6000);
  clock.restart();
  for (int i = 0; i < 20; ++i) plot.render(&image);
  const double everything = static_cast<double>(clock.nsecsElapsed()) / 1e6 / 20;
  qInfo(
      "XYPlot 345x109, 3 x 6000 points: %.3f ms per paint with 72 in view, %.3f ms with 1000, %.3f ms with "
      "all",
      sliding, dense, everything);
  // Generous bounds: the game repaints five times a second.
  QVERIFY2(sliding < 20.0, qPrintable(QString::number(sliding)));
  QVERIFY2(dense < 50.0, qPrintable(QString::number(dense)));
  QVERIFY2(everything < 50.0, qPrintable(QString::number(everything)));
}

// --- Gauge and button ---------------------------------------------------------------

void WidgetsTest::gaugeClamps() {
  Gauge gauge;
  QCOMPARE(gauge.minimum(), 0);
  QCOMPARE(gauge.maximum(), 100);
  gauge.setValue(150);
  QCOMPARE(gauge.value(), 100);
  gauge.setValue(-5);
  QCOMPARE(gauge.value(), 0);
  gauge.setValue(80);
  gauge.setMaximum(50);
  QCOMPARE(gauge.value(), 50);
  gauge.setRange(0, 1000);
  gauge.setValue(1000);
  gauge.setRange(10, 5);  // maximum below minimum
  QCOMPARE(gauge.minimum(), 10);
  QCOMPARE(gauge.maximum(), 10);
  QCOMPARE(gauge.value(), 10);
  gauge.setMinimum(200);
  QCOMPARE(gauge.maximum(), 200);
  QCOMPARE(gauge.value(), 200);
  gauge.setMaximum(-50);
  QCOMPARE(gauge.minimum(), -50);
  QCOMPARE(gauge.value(), -50);
  gauge.setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  gauge.setValue(std::numeric_limits<int>::max());
  gauge.resize(200, 17);
  QCOMPARE(gauge.barRect().width(), gauge.troughRect().width());
}

void WidgetsTest::gaugeBarGeometry() {
  Gauge gauge;
  gauge.resize(200, 17);
  QCOMPARE(gauge.troughRect(), QRect(1, 1, 198, 15));
  QCOMPARE(gauge.barRect().width(), 0);
  gauge.setValue(50);
  QCOMPARE(gauge.barRect(), QRect(1, 1, 99, 15));
  gauge.setValue(100);
  QCOMPARE(gauge.barRect().width(), 198);
  gauge.setRange(0, 1000);
  gauge.setValue(333);  // 65.93 pixels
  QCOMPARE(gauge.barRect().width(), 66);

  const QImage image = render(gauge);
  QCOMPARE(image.pixel(5, 8), qRgb(0, 0, 128));
  QCOMPARE(image.pixel(66, 8), qRgb(0, 0, 128));
  QCOMPARE(image.pixel(67, 8), qRgb(0, 117, 58));
  QCOMPARE(image.pixel(198, 15), qRgb(0, 117, 58));
  // Sunken: darker than the background on top, lighter at the bottom.
  QVERIFY(qGreen(image.pixel(100, 0)) < 117);
  QVERIFY(qGreen(image.pixel(100, 16)) > 117);
}

void WidgetsTest::buttonTones() {
  GradientButton button(QStringLiteral("Склад"));
  button.resize(105, 22);
  QCOMPARE(button.sizeHint().height(), GradientButton::kDesignHeight);
  QCOMPARE(button.disabledStyle(), GradientButton::DisabledStyle::Red);
  // Away from the caption, near the left edge.
  const auto sample = [&](int y) { return render(button).pixel(4, y); };

  QRgb low = sample(18);
  QVERIFY(qGreen(low) > 200 && qRed(low) < 60 && qBlue(low) < 60);
  QVERIFY(qGreen(sample(2)) < qGreen(low));  // darker at the top
  // Navy caption pixels over the light middle.
  int navy = 0;
  const QImage image = render(button);
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 105; ++x)
      navy +=
          (qBlue(image.pixel(x, y)) >= 96 && qRed(image.pixel(x, y)) < 40 && qGreen(image.pixel(x, y)) < 80);
  QVERIFY(navy > 10);

  button.setDown(true);  // pressed: the gradient turns over
  QVERIFY(qGreen(sample(2)) > qGreen(sample(18)));
  button.setDown(false);

  button.setEnabled(false);
  low = sample(18);
  QVERIFY2(qRed(low) > qGreen(low) + 60, "red tone when disabled by default");
  button.setDisabledStyle(GradientButton::DisabledStyle::Olive);
  low = sample(18);
  QVERIFY(std::abs(qRed(low) - qGreen(low)) < 16);
  QVERIFY(qRed(low) > qBlue(low) + 40);
}

// --- Screenshots ----------------------------------------------------------------------

void WidgetsTest::screenshots() {
  // Ticker: English, Russian, the whole font, and at twice the size.
  {
    auto w = panel(kMainBackground, QSize(233, 340));
    auto* column = new QVBoxLayout(w.get());
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(6);
    QStringList lines{QStringLiteral("WELCOME TO KELPMARK"), QStringLiteral("Day close: $1234.5 Up"),
                      QStringLiteral("Доход за день: $950"), QStringLiteral("ЁЖИК № 7 съел щётку;")};
    // Then the whole font, 21 characters a line.
    QString font;
    for (char16_t c = 32; c <= 126; ++c) font += QChar(c);
    font += cyrillicLetters(true) + cyrillicLetters(false) + QChar(0x2116);
    for (qsizetype i = 0; i < font.size(); i += DotMatrixTicker::kCharacters)
      lines << font.mid(i, DotMatrixTicker::kCharacters);
    for (const QString& line : lines) {
      auto* t = new DotMatrixTicker(w.get());
      t->setFixedSize(217, 21);
      t->setText(line);
      column->addWidget(t);
    }
    w->adjustSize();
    saveShot(*w, QStringLiteral("ticker_samples"));

    DotMatrixTicker single;
    single.resize(217, 21);
    single.setText(QStringLiteral("Рынок растёт! PRICE UP"));
    saveShot(single, QStringLiteral("ticker_design_size"));
    DotMatrixTicker big;
    big.resize(434, 42);
    big.setText(QStringLiteral("Доход: $950 № 7"));
    saveShot(big, QStringLiteral("ticker_double_size"));
  }

  // Labels on the main window's green.
  {
    auto w = panel(kMainBackground, QSize(264, 120));
    auto* time = new ShadowLabel(w.get());
    time->setGeometry(4, 4, 255, 16);
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(15);
    time->setFont(bold);
    time->setBold(true);
    time->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    time->setClickable(true);
    time->setText(QStringLiteral("Пн, 01.01.2001 10:00"));
    const QStringList texts{QStringLiteral("Денег:  $10000"), QStringLiteral("Рыбы:  0 / 0 кг."),
                            QStringLiteral("Доля рынка, не более  2%")};
    QFont sans(QStringLiteral("Arial"));
    sans.setPixelSize(13);
    for (int i = 0; i < texts.size(); ++i) {
      auto* l = new ShadowLabel(w.get());
      l->setGeometry(8, 28 + 24 * i, 200, 16);
      l->setFont(sans);
      l->setText(texts[i]);
    }
    auto* wrapped = new ShadowLabel(w.get());
    wrapped->setGeometry(8, 96, 250, 16);
    wrapped->setText(QStringLiteral("< $10.50 (8.40)"));
    saveShot(*w, QStringLiteral("shadow_labels"));
  }

  // Buttons: normal, focused, pressed, disabled olive and red.
  {
    auto w = panel(kMainBackground, QSize(238, 96));
    const QStringList names{QStringLiteral("Склад"),         QStringLiteral("Закупить!"),
                            QStringLiteral("Торговаться"),   QStringLiteral("Магазин"),
                            QStringLiteral("Приостановить"), QStringLiteral("Ok")};
    std::vector<GradientButton*> buttons;
    for (int i = 0; i < names.size(); ++i) {
      auto* b = new GradientButton(names[i], w.get());
      b->setGeometry(8 + (i % 2) * 120, 8 + (i / 2) * 30, 105, 22);
      buttons.push_back(b);
    }
    buttons[2]->setDown(true);
    buttons[3]->setDisabledStyle(GradientButton::DisabledStyle::Olive);
    buttons[3]->setEnabled(false);
    buttons[4]->setEnabled(false);
    QCursor::setPos(-100, -100);  // no hover highlight in the picture
    w->show();
    buttons[1]->setFocus();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    saveShot(*w, QStringLiteral("gradient_buttons"));
    w->hide();
  }

  // The price chart after a year, and the reports chart.
  {
    PriceData data(6000);
    XYPlot price;
    setUpPriceChart(price, data);
    price.setAxisRange(XYPlot::Axis::Bottom, 5928, 6000);
    saveShot(price, QStringLiteral("plot_price"));
    XYPlot early;
    PriceData start(20);
    setUpPriceChart(early, start);
    early.setAxisRange(XYPlot::Axis::Bottom, 0, 72);
    saveShot(early, QStringLiteral("plot_price_first_hours"));

    XYPlot::Points values{{1, 11800}, {2, 15500}, {3, 14250}, {4, 21000}, {5, 26800}};
    XYPlot report;
    setUpReportChart(report, values);
    saveShot(report, QStringLiteral("plot_report"));
    XYPlot::Points none;
    XYPlot emptyReport;
    setUpReportChart(emptyReport, none);
    saveShot(emptyReport, QStringLiteral("plot_report_empty"));
  }

  // Gauges on the dialog green.
  {
    auto w = panel(kDialogBackground, QSize(216, 75));
    const int values[] = {0, 37, 100};
    for (int i = 0; i < 3; ++i) {
      auto* g = new Gauge(w.get());
      g->setGeometry(8, 6 + 23 * i, 200, 17);
      g->setValue(values[i]);
    }
    saveShot(*w, QStringLiteral("gauges"));
  }
}

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
