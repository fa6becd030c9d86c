// A list view in report mode (the system's SysListView32): columns, rows of texts, one
// selected row at most. The rows are kept here as well, so they can be filled before the
// window exists and read back at any time.
#pragma once

#include <string>
#include <vector>

#include "gui/WinControl.h"

namespace zelkova {

class ListView : public WinControl {
public:
    explicit ListView(Component* owner);

    std::string_view ClassName() const override { return "TListView"; }
    const PropertyTable& PublishedProperties() const override;

    void AddColumn(std::string caption, int width);
    // Replaces every column.
    void SetColumns(const ColumnSpecs& columns);

    int ItemCount() const { return static_cast<int>(rows_.size()); }
    // Adds a row (caption, then the texts of the further columns); returns its index.
    int AddItem(std::string caption, std::vector<std::string> subItems = {});
    // Inserts a row before index (clamped to the ends).
    int InsertItem(int index, std::string caption, std::vector<std::string> subItems = {});
    void DeleteItem(int index);
    void Clear();
    // The text of a row's column (0 is the caption); empty outside the rows.
    std::string ItemText(int index, int column) const;
    void SetItemText(int index, int column, std::string text);

    // Keeps the window from redrawing while many rows change; it repaints once when the last
    // update ends. Counted, so updates may nest.
    void BeginUpdate();
    void EndUpdate();

    // The selected row, or -1.
    int Selected() const;
    // Selects a row (and makes it the focused one), or clears the selection with -1.
    void SetSelected(int index);

    NotifyEvent OnSelectItem;

protected:
    void CreateParams(struct CreateParams& params) override;
    void HandleCreated() override;
    bool NotifyNotification(NMHDR& header, LRESULT& result) override;

private:
    struct Column {
        std::string caption;
        int width;
    };
    void InsertRowIntoWindow(int index);
    bool ValidRow(int index) const { return index >= 0 && index < ItemCount(); }

    std::vector<Column> columns_;
    std::vector<std::vector<std::string>> rows_;
    int selected_ = -1;  // while there is no window
    int updating_ = 0;
};

}  // namespace zelkova
