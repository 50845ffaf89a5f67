// The main window: a multiple-document area whose menus open every form.
#pragma once

#include <QHash>
#include <QMainWindow>

class QAction;
class QMdiArea;
class QMenu;

namespace shell {

class Platform : public QMainWindow {
    Q_OBJECT
public:
    // The one main window, made on first use.
    static Platform& instance();
    static bool exists();
    ~Platform() override;

    // A menu item by its name (mnugro, mnupsl ...), for the tests.
    QAction* menuItem(const QString& name) const { return mItems.value(name); }

    void mnugro_Click();
    void mnupsl_Click();
    void mnuchq_Click();
    void mnuchkslp_Click();
    void mnupst_Click();
    void mnugpfcalc_Click();
    void mnuyes_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Platform();
    QAction* item(QMenu* menu, const QString& name, const QString& caption, const QString& form);
    QAction* item(QMenu* menu, const QString& name, const QString& caption, void (Platform::*handler)(),
                  const QString& form = QString());
    void showForm(const QString& form);

    QMdiArea* mArea;
    QHash<QString, QAction*> mItems;
    bool mClosing = false;
};

} // namespace shell
