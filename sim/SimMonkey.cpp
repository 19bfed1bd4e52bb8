#include "sim/SimMonkey.h"

#include <algorithm>
#include <ostream>

#include "fuzz/session/UiSessionPlayer.h"
#include "sim/SimSession.h"

namespace {

// A tool window never ends by itself: at most this many actions on one window, then the next.
constexpr unsigned kActionsPerWindow = 120;

class SimWorld : public UiSessionWorld {
public:
    explicit SimWorld(SimSession& session) : m_session(session) {}
    CMaldiAppInterface* Host() override { return &m_session.Host(); }
    CInstCtlClient* Control() override { return &m_session.Client(); }
    CInstMonClient* Monitor() override { return &m_session.Host().Monitor(); }
    CMaldiPlate* Plate() override { return &m_session.Host().Plate(); }
    HICON Icon() override { return m_session.Host().ApplicationIcon(); }
    void Advance(unsigned ms) override { m_session.Wait(ms); }
    void Say(const std::string& tag, const std::string& text) override { m_session.Transcript().Add(tag, text); }

private:
    SimSession& m_session;
};

} // namespace

int SimMonkey::Run(const SimOptions& options, std::ostream& out, std::ostream& err)
{
    out << "=== monkey: seed " << options.monkeySeed << ", " << options.monkeyActions << " actions ===\n";
    SimSession session(options, "monkey", options.quiet ? nullptr : &out);
    SimWorld world(session);
    UiSeededInput input(options.monkeySeed);
    unsigned done = 0;
    int sessions = 0;
    try {
        while (done < options.monkeyActions) {
            UiSessionPlayer::Options play;
            play.maxActions = std::min(options.monkeyActions - done, kActionsPerWindow);
            play.transcript = true;
            UiSessionPlayer player(world, input, play);
            ++sessions;
            player.Play();
            // A session that opened nothing still counts, so that the run ends.
            done += player.Actions() > 0 ? player.Actions() : 1;
        }
    } catch (const UiSessionFinding& finding) {
        err << "maldi-sim: the monkey with seed " << options.monkeySeed << " found: " << finding.what() << "\n";
        return 1;
    }
    session.Transcript().Add("sim", "end: " + session.Instrument().Describe() + "; host source mode " +
                                        session.Host().SourceModeName());
    out << "\nmonkey seed " << options.monkeySeed << ": " << sessions << " sessions, " << done
        << " actions, no finding\n";
    return 0;
}
