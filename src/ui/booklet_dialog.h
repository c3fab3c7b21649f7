#pragma once

#include <QDialog>
#include <vector>

#include "app/board_picture.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace krizovky::ui {

// "&Sešit úloh…": which tasks of the task file go into a booklet for an
// author (all of them at first, in file order), how many on a page, and
// whether their solutions follow, and says what a page will hold of the
// chosen tasks and how many pages the booklet takes. A task that cannot be
// read is listed with the reason and cannot be chosen.
class BookletDialog : public QDialog {
    Q_OBJECT

  public:
    BookletDialog(QWidget* parent, const std::vector<TaskOfFile>& tasks, const QString& fileName);

    // The places of the chosen tasks in file order.
    std::vector<int> chosen() const;
    int perPage() const;
    bool solutions() const;

  private:
    void chooseAll(bool all);
    void showChosenCount();

    std::vector<BoardPicture> pictures_;  // of the tasks in the list, empty where unreadable
    QListWidget* taskList_ = nullptr;
    QComboBox* perPageBox_ = nullptr;
    QLabel* pageContents_ = nullptr;
    QCheckBox* solutionsBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace krizovky::ui
