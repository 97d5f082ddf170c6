// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The floor: the least a snake game in Qt Widgets can cost. A bare window
// the size of the board with a 25 ms precise timer; on every tick a snake of
// six runs one cell along its row and only four cells are repainted: the new
// head, the neck, the cell the tail left and the food. bench/measure.sh runs
// it beside the game and compares their CPU.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <deque>

namespace {

constexpr int kSide = 30;
constexpr int kCellSize = 16;
constexpr int kLength = 6;
constexpr int kTickMs = 25;
constexpr int kFoodCell = 20 * kSide + 15;
constexpr QColor kEmpty{200, 200, 240};
constexpr QColor kSnake{200, 30, 30};
constexpr QColor kFood{240, 160, 0};

QRect CellRect(int cell) {
    return {cell % kSide * kCellSize, cell / kSide * kCellSize, kCellSize, kCellSize};
}

// A snake running right along row 3, wrapping at the edge.
class Floor : public QWidget {
public:
    Floor() {
        setWindowTitle(QStringLiteral("Zorvik floor"));
        setFixedSize(kSide * kCellSize, kSide * kCellSize);
        setAttribute(Qt::WA_OpaquePaintEvent);
        for (int i = 0; i < kLength; ++i) {
            snake_.push_back(3 * kSide + i);
        }
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, &Floor::Tick);
        timer_.start(kTickMs);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), kEmpty);
        for (int cell : snake_) {
            if (event->region().intersects(CellRect(cell))) {
                painter.fillRect(CellRect(cell).adjusted(0, 0, -1, -1), kSnake);
            }
        }
        painter.fillRect(CellRect(kFoodCell), kFood);
    }

private:
    void Tick() {
        const int tail = snake_.front();
        const int neck = snake_.back();
        const int head = neck / kSide * kSide + (neck + 1) % kSide;
        snake_.pop_front();
        snake_.push_back(head);
        update(CellRect(head));
        update(CellRect(neck));
        update(CellRect(tail));
        update(CellRect(kFoodCell));
    }

    std::deque<int> snake_;
    QTimer timer_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Floor floor;
    floor.move(0, 0);
    floor.show();
    return QApplication::exec();
}
