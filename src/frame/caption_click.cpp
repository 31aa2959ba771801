#include "frame/caption_click.hpp"

#include "frame/app.hpp"
#include "frame/routes.hpp"

namespace frame {

void DeclareCaptionClicks(Routes& routes, App& app, std::span<const CaptionOption> rows,
                          std::source_location where) {
  for (const CaptionOption& row : rows)
    routes.on(Label41Click, row.label, [&app, option = row.option] { Label41_Click(app, option); }, where);
}

void Label41_Click(App& app, int option) {
  app.Option1_Click(option);
  app.control("Option1", option).setValue(true);
}

}  // namespace frame
