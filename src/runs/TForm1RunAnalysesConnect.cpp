// Connects the controls of the run analyses (learned small tables, resolution
// tables, marker theory check, parameter sweep) to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectRunAnalysisHandlers()
{
    for (auto [button, handler] : std::initializer_list<std::pair<QAbstractButton*, void (TForm1::*)()>>{
             {Button93, &TForm1::Button93Click},   {Button119, &TForm1::Button119Click},
             {Button101, &TForm1::Button101Click}, {Button110, &TForm1::Button110Click},
             {Button117, &TForm1::Button117Click}, {Button118, &TForm1::Button118Click},
             {Button120, &TForm1::Button120Click}, {Button121, &TForm1::Button121Click},
             {Button124, &TForm1::Button124Click}, {Button125, &TForm1::Button125Click},
             {Button126, &TForm1::Button126Click}, {Button103, &TForm1::Button103Click},
             {Button130, &TForm1::Button130Click}, {Button131, &TForm1::Button131Click},
             {Button132, &TForm1::Button132Click}, {Button133, &TForm1::Button133Click},
             {Button136, &TForm1::Button136Click}, {Button137, &TForm1::Button137Click},
             {Button138, &TForm1::Button138Click}, {Button98, &TForm1::Button98Click},
             {Button92, &TForm1::Button92Click},   {Button96, &TForm1::Button96Click},
             {Button97, &TForm1::Button97Click},   {Button99, &TForm1::Button99Click},
             {Button95, &TForm1::Button95Click},   {Button94, &TForm1::Button94Click},
             {Button100, &TForm1::Button100Click}, {Button108, &TForm1::Button108Click},
             {Button112, &TForm1::Button112Click}, {Button114, &TForm1::Button114Click},
             {Button115, &TForm1::Button115Click}, {Button105, &TForm1::Button105Click},
             {Button113, &TForm1::Button113Click}, {Button111, &TForm1::Button111Click},
             {Button107, &TForm1::Button107Click}, {Button109, &TForm1::Button109Click},
         })
        OnClick(button, Bind(handler));

    for (auto [item, handler] : std::initializer_list<std::pair<QAction*, void (TForm1::*)()>>{
             {Starttest1, &TForm1::Starttest1Click},     {Stoptest1, &TForm1::Stoptest1Click},
             {Clearresults1, &TForm1::Clearresults1Click}, {Copy121, &TForm1::Copy121Click},
             {Copy1Inv21, &TForm1::Copy1Inv21Click},     {Copy211, &TForm1::Copy211Click},
             {Copy1U1, &TForm1::Copy1U1Click},           {CopyU11, &TForm1::CopyU11Click},
             {CopyU21, &TForm1::CopyU21Click},           {Cytcr1, &TForm1::Cytcr1Click},
             {Res01231, &TForm1::Res01231Click},         {N0colomn1, &TForm1::N0colomn1Click},
             {ResNfbleN11, &TForm1::ResNfbleN11Click},   {ResTableN21, &TForm1::ResTableN21Click},
             {ResT0c1c11, &TForm1::ResT0c1c11Click},     {N7, &TForm1::N7Click},
             {Maketable1, &TForm1::Maketable1Click},     {Conec1, &TForm1::Conec1Click},
             {PConec1, &TForm1::PConec1Click},           {isPlosk1, &TForm1::isPlosk1Click},
         })
        OnClick(item, Bind(handler));

    for (auto [edit, handler] : std::initializer_list<std::pair<QLineEdit*, void (TForm1::*)()>>{
             {Edit51, &TForm1::Edit51Change}, {Edit32, &TForm1::Edit32Change}, {Edit11, &TForm1::Edit11Change},
             {Edit12, &TForm1::Edit12Change}, {Edit13, &TForm1::Edit13Change}, {Edit14, &TForm1::Edit14Change},
             {Edit15, &TForm1::Edit15Change}, {Edit16, &TForm1::Edit16Change},
         })
        OnChange(edit, Bind(handler));

    OnClick(CheckBox36, Bind(&TForm1::CheckBox36Click));
    OnClick(CheckBox37, Bind(&TForm1::CheckBox37Click));
    OnClick(UpDown7, [this](bool) { UpDown7Click(); });
    OnTimer(Timer9, Bind(&TForm1::Timer9Timer));
    OnTimer(Timer11, Bind(&TForm1::Timer11Timer));
}
