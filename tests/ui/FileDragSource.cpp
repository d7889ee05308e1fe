// Another program the window tests drag a file from, as from a file manager: a window at the
// given place whose whole area starts a drag of the file named on its command line.
#include <wx/app.h>
#include <wx/dataobj.h>
#include <wx/dnd.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <cstdlib>

class FileDragSource : public wxApp {
public:
    bool OnInit() override {
        if (argc != 4) return false;
        const wxString path = argv[1];
        const wxPoint place(std::atoi(argv[2].c_str()), std::atoi(argv[3].c_str()));
        auto* frame = new wxFrame(nullptr, wxID_ANY, "file drag source", place, wxSize(160, 120));
        auto* panel = new wxPanel(frame);
        panel->Bind(wxEVT_LEFT_DOWN, [panel, path](wxMouseEvent&) {
            wxFileDataObject file;
            file.AddFile(path);
            wxDropSource source(file, panel);
            source.DoDragDrop(wxDrag_CopyOnly);
        });
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(FileDragSource);
