#pragma once
// The reader's only window: the headline pane, the category row, the save icon and the
// article pane, all inside the skinned frame. Its look comes from Unit1.ui.
#include <QWidget>
#include <memory>

class OleVariant;
namespace Ui {
class TForm1;
}

class TForm1 : public QWidget {
    Q_OBJECT

public:
    enum TPosition { poDesigned, poScreenCenter };

    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The design's controls, by name.
    Ui::TForm1 *ui() const { return m_ui.get(); }

    void FormCreate();
    void FormClose();
    void FormResize();
    void web1TitleChange(const QString &Text);
    void web1DocumentComplete(const OleVariant &pDisp, const QString &URL);
    void web1NewWindow2(OleVariant &ppDisp, bool &Cancel);
    void Image1Click();
    void suiRadioButton1Click() { categoryClick(1); }
    void suiRadioButton2Click() { categoryClick(2); }
    void suiRadioButton3Click() { categoryClick(3); }
    void suiRadioButton4Click() { categoryClick(4); }
    void suiRadioButton5Click() { categoryClick(5); }
    void suiRadioButton6Click() { categoryClick(6); }
    void suiRadioButton7Click() { categoryClick(7); }
    void suiRadioButton8Click() { categoryClick(8); }
    void suiRadioButton9Click() { categoryClick(9); }
    void suiRadioButton10Click() { categoryClick(10); }
    void suiRadioButton11Click() { categoryClick(11); }
    void suiRadioButton12Click() { categoryClick(12); }

    TPosition Position = poDesigned;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    void categoryClick(int n);

    std::unique_ptr<Ui::TForm1> m_ui;
    bool m_shownOnce = false;
};
