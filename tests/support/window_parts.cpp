#include "window_parts.h"

namespace dawnrule::test {

MainWindowParts WindowParts::Of(TZuruRuz1& w)
{
    return {w.CurrencyEdit1, w.CurrencyEdit2, w.CurrencyEdit3, w.DateEdit1, w.ComboBox1, w.CheckBox1, w.CheckBox3,
            w.Label5, w.Label7, w.Label9, w.LED2, w.Moon, w.Timer1, w.Panel1, w.Panel2, w.Panel3, w.ToolBar1,
            w.SpeedButton52, w.SpeedButton53, w.SpeedButton54, w.SpeedButton55, w.SpeedButton56, w.SpeedButton57,
            w.SpeedButton58, w.SpeedButtonA, w.SpeedButtonA1, w.SpeedButtonA2, w.SpeedButtonA3, w.SpeedButtonA4,
            w.SpeedButtonA5, w.SpeedButtonA8, w.SpeedButtonA6, w.SpeedButtonA7, w.ComboBox2, w.Panel4,
            w.m_locationButtons, w.BatchCalc, w.EventKind, w.MilitaryTime, w.LockOffset, w.OffsetIndex, w.DstStart,
            w.DstEnd, w.Activated, w.MenuArmed, w.MenuShownKey, w.CheckGlyph, w.ParmFlags, w.ListLoaded,
            w.CityKeyDown};
}

HomeParts WindowParts::Of(THome& w)
{
    return {w.CurrencyEdit1, w.CurrencyEdit2, w.CurrencyEdit3, w.ComboBox1, w.SpeedButton54, w.HomeOffsetIndex};
}

UserParts WindowParts::Of(TUSER& w)
{
    return {w.Label1, w.Memo1, w.CheckBox1, w.SpeedButton54, w.SpeedButton1};
}

RoutesParts WindowParts::Of(TRoutes& w)
{
    return {w.ComboBox1,     w.RichEdit1,     w.PieProgressBar1, w.SpeedButton1, w.SpeedButton2, w.SpeedButton3,
            w.SpeedButton4,  w.SpeedButton52, w.SpeedButton53,   w.Panel7,       w.CheckBox1,    w.SpeedButton5,
            w.m_tripPlan,    w.ProcessArmed};
}

AboutParts WindowParts::Of(TAbout& w)
{
    return {w.Label7, w.Label5, w.Label1, w.Label4, w.Label2, w.Label3, w.SpeedButton54};
}

HelpParts WindowParts::Of(THelp& w)
{
    return {w.Label1, w.Label2, w.Panel1, w.Label3, w.SpeedButton54};
}

TripPlanParts WindowParts::Of(TTripPlan& w)
{
    return {w.FromList,    w.ToList,     w.DepartDate, w.DepartTime,  w.FirstMinute, w.Speed,
            w.Hours,       w.Duty,       w.OffDuty,    w.Width,       w.Break,       w.RoadFactor,
            w.Rest,        w.PlanButton, w.PrintButton, w.SaveButton, w.CloseButton, w.Header,
            w.Timeline,    w.DaysTable,  w.StopsTable, w.Builder,     w.PathLabel,   w.SaveGpxButton,
            w.SaveCalendarButton};
}

RouteBuilderParts WindowParts::Of(RouteBuilder& w)
{
    return {w.TownField, w.TownList, w.RemoveButton, w.UpButton, w.DownButton, w.OpenButton, w.SaveButton};
}

} // namespace dawnrule::test
