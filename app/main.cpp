#include "application/application.h"
#include "main_window/Unit1.h"

int main(int argc, char *argv[])
{
    TApplication application(argc, argv);
    Application->SetTitle(QStringLiteral("Lumora"));
    Application->CreateForm<TForm1>();
    return Application->Run();
}
