// A grid's picture lies behind its cells in place of its back colour, and
// going without it the back colour shows again.
#include <QImage>
#include <QTableView>
#include <QTest>

#include "sample_window.h"

namespace platform::qt::testing {
namespace {

class GridPictureTest : public QtFormTest {
protected:
    GridPictureTest() {
        form->panel->setVisible(false);
        form->kinds->setVisible(false);
        grid = &form->add<ui::Grid>("grdFound");
        grid->Move(240, 600, 5400, 1500);
        grid->setBackColor(ui::colors::Yellow);
    }
    // The colour of the cells' ground, below the header and the rows.
    QColor ground() {
        QTest::qWait(10);
        QWidget* cells = widget<QTableView>("grdFound")->viewport();
        return cells->grab().toImage().pixelColor(cells->width() - 5, cells->height() - 5);
    }

    ui::Grid* grid;
};

TEST_F(GridPictureTest, ThePictureLiesBehindTheCellsUntilItIsCleared) {
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString file = folder.filePath("WP3.png");
    ASSERT_TRUE(red.save(file));
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
    EXPECT_EQ(ground(), QColor(Qt::yellow));

    ASSERT_TRUE(grid->LoadPicture(file.toStdString()));
    EXPECT_EQ(ground(), QColor(Qt::red));
    grid->setBackColor(ui::colors::White);  // the picture stays over a new colour
    EXPECT_EQ(ground(), QColor(Qt::red));
    EXPECT_FALSE(grid->LoadPicture(folder.filePath("missing.jpg").toStdString()));
    EXPECT_EQ(ground(), QColor(Qt::red)) << "a picture that cannot be loaded changes nothing";

    grid->clearPicture();
    EXPECT_EQ(ground(), QColor(Qt::white));
}

}  // namespace
}  // namespace platform::qt::testing
