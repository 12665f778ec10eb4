// The library module's entry point: a Library behind the windows' interface.

#include "store/GameLibrary.h"
#include "store/Library.h"

namespace pick3 {
namespace {

class OpenedLibrary final : public GameLibrary {
  public:
    explicit OpenedLibrary(Library library) : library_(std::move(library)) {}

    const std::string& notice() const override { return library_.notice(); }
    bool readOnly() const override { return library_.readOnly(); }
    Result<std::vector<HeldGame>> games() override { return library_.games(); }
    Result<std::vector<StoredDraw>> draws(const std::string& game,
                                          const DrawQuery& query) override {
        return library_.draws(game, query);
    }
    Result<MergePreview> preview(const std::string& game,
                                 const std::vector<IncomingDraw>& batch) override {
        return library_.preview(game, batch);
    }
    Result<KeepSummary> commit(const MergePreview& preview, const std::vector<std::size_t>& takeNew,
                               const std::string& source, const std::string& keptAt) override {
        return library_.commit(preview, takeNew, source, keptAt);
    }
    Result<std::string> exportCsv(const std::string& game) override {
        return library_.exportCsv(game);
    }
    Result<std::int64_t> forget(const std::string& game) override { return library_.forget(game); }
    Result<Done> backUpTo(const std::string& path) override { return library_.backUpTo(path); }
    Result<Done> restoreFrom(const std::string& path) override {
        return library_.restoreFrom(path);
    }
    Result<std::vector<std::int64_t>> keepTickets(const std::vector<Ticket>& batch) override {
        return library_.keepTickets(batch);
    }
    Result<std::vector<StoredTicket>> tickets(const std::string& game) override {
        return library_.tickets(game);
    }
    Result<Done> deleteTickets(const std::vector<std::int64_t>& ids) override {
        return library_.deleteTickets(ids);
    }
    Result<Done> restoreTickets(const std::vector<std::int64_t>& ids) override {
        return library_.restoreTickets(ids);
    }
    Result<Done> markClaimed(const std::vector<std::int64_t>& ids, bool claimed) override {
        return library_.markClaimed(ids, claimed);
    }
    Result<std::int64_t> forgetDeletedTickets() override { return library_.forgetDeletedTickets(); }

    Result<std::vector<SourceState>> sources(const std::string& game) override {
        return library_.sources(game);
    }
    Result<Done> keepSource(const SourceState& state) override {
        return library_.keepSource(state);
    }
    Result<Done> forgetSource(const std::string& game, const std::string& address) override {
        return library_.forgetSource(game, address);
    }

  private:
    Library library_;
};

Result<std::unique_ptr<GameLibrary>> openLibrary(const std::string& path) {
    Result<Library> opened = Library::open(path);
    if (!opened.ok()) {
        return Result<std::unique_ptr<GameLibrary>>::refused(opened.refusal());
    }
    return std::unique_ptr<GameLibrary>(std::make_unique<OpenedLibrary>(std::move(*opened)));
}

constexpr LibraryModuleApi kApi{&openLibrary, &Library::setAside};

} // namespace
} // namespace pick3

extern "C" const pick3::LibraryModuleApi* pick3_library_api() {
    return &pick3::kApi;
}
