// SPDX-License-Identifier: AGPL-3.0-or-later
// Written by scripts/update-translations.sh from the core's tables (CoreTextList.cpp):
// do not edit. lupdate reads these entries into the translators' template; the
// desktop compiles them so that a test can tell when the core has texts this file
// lacks.
#include "desktop/i18n/CoreTextCatalogue.h"

#include <QtGlobal>
#include <iterator>

namespace zodrivel {

// clang-format off
const CatalogueEntry CoreTextCatalogue[] = {
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your conscious will and your emotional needs pull in the same direction, "
        "which gives you an inner steadiness others sense at once. What you want "
        "and what you need are rarely at war, so you can act without second-guessing "
        "your heart, and home life and ambition tend to support each other. Because "
        "so little inside you argues, people whose wishes and feelings are divided "
        "may puzzle you; curiosity about them keeps you humble.",
        "Sun-Moon:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "The purpose you are growing into and the habits you fall back on sit in "
        "neighbouring signs, close but not quite matched. Day to day this shows as "
        "a mismatch between what you set out to do and what you feel like doing, "
        "an itch rather than a crisis. Honest check-ins with yourself, asking what "
        "you need before deciding what you want, build a practical self-knowledge "
        "that few people bother to acquire.",
        "Sun-Moon:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your will and your needs keep different clocks: what you aim for and what "
        "soothes you rarely agree on the same evening. Out in the open the quarrel "
        "is often with a partner or parent who wants the quiet life you keep postponing, "
        "or the ambition you hold back. Turned inward, the quarrel can become a habit "
        "of never resting, as if comfort had to be earned again. Peace comes from "
        "plans that feed both: goals with room for home, and a home with room for "
        "goals.",
        "Sun-Moon:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Thinking and being are closely joined in you: you speak from who you are, "
        "and your ideas carry the weight of your identity. You learn readily, explain "
        "yourself with ease and usually know your own mind. The gift has a blind "
        "spot, since an opinion can feel like part of you, so criticism of a view "
        "may sting as if it were aimed at your person. Learning to hold ideas a little "
        "more loosely turns a good mind into a wise one.",
        "Sun-Mercury:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind runs a half-step apart from your sense of self, approaching life "
        "from a slightly different angle than your core purpose does. This can make "
        "you a useful observer of yourself, able to describe your own motives with "
        "some detachment. The awkwardness shows when words lag behind intent or race "
        "ahead of it; practising saying plainly what you mean, and meaning what you "
        "say, closes the gap over time.",
        "Sun-Mercury:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your words and your purpose keep missing each other: you explain yourself "
        "and hear the explanation come out wrong, or argue for a view you do not "
        "really hold. Other people tend to pick holes in your reasoning just where "
        "you are least sure. Inside, the loop is rehearsal: conversations replayed "
        "late at night, a message drafted five times. Saying the simple version first, "
        "and letting it stand, lets your mind speak for you instead of auditing you.",
        "Sun-Mercury:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Charm comes naturally to you, and people tend to like you before they quite "
        "know why. You identify with beauty, comfort and good company, and you shine "
        "most where life is pleasant and relations are harmonious. Art, style or "
        "simple kindness may be central to how you express yourself. The shadow of "
        "so much ease is a reluctance to face conflict or drudgery; your grace gains "
        "substance when you let it carry real commitments.",
        "Sun-Venus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "What you value sits just beside who you are, so pleasure and purpose need "
        "some translation before they meet. You may notice that the things you enjoy "
        "and the life you are building do not obviously connect. With attention, "
        "everyday choices, such as bringing beauty into your workplace or warmth "
        "into your daily effort, let love and identity grow into one another.",
        "Sun-Venus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Being yourself and being liked pull against each other. Where the clash "
        "is open, you give way to keep the peace and resent it later, or a partner "
        "holds all the charm while you carry all the effort. Where it runs inward, "
        "you keep polishing how you come across, checking each outfit, message and "
        "smile for approval. Your warmth grows convincing once you please yourself "
        "first and let others like what they find.",
        "Sun-Venus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Will and drive work as a team in you, giving abundant energy, courage and "
        "a readiness to act on what you believe. You like a challenge and tend to "
        "meet it head-on, and physical activity restores you when little else does. "
        "Because action comes so easily, you may charge ahead before thinking, or "
        "underestimate how forceful you seem to others. Aimed at a worthy goal, this "
        "vitality can carry you and the people around you a long way.",
        "Sun-Mars:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your drive and your sense of purpose are slightly out of step, like a motor "
        "tuned to a different speed than the vehicle it powers. You may start things "
        "with more or less force than the moment calls for, then have to correct "
        "course. Paying attention to timing, and noticing when irritation is really "
        "a sign that you want something, gradually teaches you to spend your energy "
        "exactly where it counts.",
        "Sun-Mars:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your will runs hot and pushes before it asks. In the open this means collisions: "
        "the rival at work, the neighbour over the fence, arguments you never planned "
        "to start, often with people who show the very force you deny in yourself. "
        "With no outlet, the heat can turn into a drive you cannot switch off, proving "
        "yourself in every queue and every game. Sport, hard physical work and anger "
        "spoken early and plainly give this fire a clean hearth.",
        "Sun-Mars:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Optimism is part of your constitution: you tend to expect the best, and "
        "that expectation often helps bring it about. You are generous and broad-minded, "
        "drawn to growth through travel, study or belief, and luck seems to meet "
        "you halfway. The risk is overconfidence, whether promising too much, spending "
        "too freely, or assuming things will work out without effort. Your faith "
        "is a real gift when it is matched by follow-through.",
        "Sun-Jupiter:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your hopes and your identity run on parallel tracks that do not quite touch, "
        "so opportunities tend to appear off to one side of your main path. You may "
        "have to stretch to notice them, or to believe they are meant for you. A "
        "habit of saying yes to the unfamiliar, and of learning from each step, widens "
        "your world and your confidence together.",
        "Sun-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your sense of self keeps outgrowing its clothes: the plan gets bigger than "
        "the week, the promise bigger than the purse. Teachers, authorities and confident "
        "strangers make natural sparring partners, each claiming a larger truth than "
        "yours. Privately the pull is toward more: one more course, one more project, "
        "a restless feeling that real life starts after the next step. Faith pays "
        "off when you measure it against what you can finish this year.",
        "Sun-Jupiter:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have a serious streak and a natural respect for structure, and you grasped "
        "early that things worth having take time. Responsibility suits you, and "
        "others trust you to deliver. You build slowly but soundly, and your achievements "
        "tend to last and often improve with age. Watch that caution does not harden "
        "into rigidity or duty crowd out joy; let yourself enjoy the foundations "
        "you so carefully lay.",
        "Sun-Saturn:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A sense of obligation trails your self-expression, as though you need permission "
        "before fully shining. It is not heavy, but it keeps asking whether your "
        "efforts are sound. Over time this becomes a useful discipline: regular commitments "
        "that mature into competence, and an ability to take yourself seriously without "
        "losing your warmth.",
        "Sun-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Shining and being judged arrive together for you, as if every effort were "
        "marked by an examiner in the back row. Bosses, officials and older people "
        "can bar the way as the outward face of that examiner. The inner version "
        "is a nagging rule that nothing is good enough to show yet. Slow, well-made "
        "work answers both, and the authority you build step by step is one you no "
        "longer wait for others to grant.",
        "Sun-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You are unmistakably your own person, with an original mind and a need to "
        "live on your own terms. Ideas others find strange seem obvious to you, and "
        "you may be drawn to science, technology or reform. Change rarely frightens "
        "you; routine does. Your independence is a gift, though it can make you hard "
        "to pin down, so friendships and work thrive when your freedom comes with "
        "a measure of reliability.",
        "Sun-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A streak of unpredictability runs alongside your steadier purpose, showing "
        "up as surprises: a sudden change of plan, an unexpected interest, an odd "
        "solution that works. You may not always know what to do with these impulses. "
        "Giving them a regular outlet, such as an experimental hobby or a role that "
        "rewards fresh thinking, lets your originality grow without unsettling the "
        "rest of your life.",
        "Sun-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You want to become someone and to stay free of any fixed self, so plans "
        "can break off just as they settle. In the open this brings sudden exits, "
        "clashes with anyone who rules by decree, and companions who rebel so loudly "
        "that your own urge looks tame. Kept inside, the same urge can run as a compulsion "
        "to rearrange your life whenever it feels finished. Independence ripens when "
        "you stay with something long enough to change it from inside.",
        "Sun-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have a poetic, sensitive nature and an open channel to imagination, "
        "music, spirituality or compassion. Your identity is soft at the edges, which "
        "lets you feel your way into other lives and other worlds, and artistic or "
        "healing work may call to you. Because your boundaries are porous, ground "
        "your dreams in practical steps, and remember that you do not have to absorb "
        "everyone's pain to be kind.",
        "Sun-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your dreams sit close to your sense of self without quite merging, so you "
        "catch glimpses of ideals you are not yet sure how to live. At times you "
        "are unsure of your direction, with a feeling of drifting. A regular creative "
        "or contemplative practice, kept simple and consistent, gives those glimpses "
        "a shape and clarifies, year by year, what you really want.",
        "Sun-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your outline blurs easily: you become whoever the room expects and then "
        "wonder where you went. Others may deceive you, or hand you a dream that "
        "is really theirs, and disappointment follows. In quieter moments you may "
        "want to vanish a little, into fantasy, screens or self-sacrifice, whenever "
        "your real self feels too plain. Promises kept, honest friends and an art "
        "you practise give your vision firm edges.",
        "Sun-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have deep reserves of willpower and a gift for regeneration; when life "
        "breaks something, you rebuild it stronger. You are drawn to what lies beneath "
        "the surface, whether in psychology, research or crisis work, and people "
        "sense your intensity without being told. Power comes easily to you, so use "
        "it consciously and resist the urge to control; your strength is greatest "
        "when it serves transformation rather than dominance.",
        "Sun-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Beneath your everyday self runs an intensity you may only notice under pressure. "
        "Recurring crises ask you to shed an old role or attitude, and each time "
        "you do, you grow more substantial. Paying attention to what you cling to, "
        "and why, gives you a steady, unforced kind of power.",
        "Sun-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You hold your ground as if everything depended on it, and power tends to "
        "become the hidden subject of your relationships. Authorities, partners or "
        "rivals can meet you head-on, each testing who gives way first, and some "
        "of them wield a strength you have not yet claimed as your own. Alone, you "
        "may guard against being known, hunting out every weakness before anyone "
        "else can find it. Letting one trusted person see you whole gives you an "
        "authority no one can take.",
        "Sun-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your feelings and thoughts speak to each other easily, so you can put emotions "
        "into words and think with sensitivity. You remember details, read moods, "
        "and may have a gift for writing, conversation or teaching that reaches people. "
        "Because your mind follows your moods, your opinions can shift with how you "
        "feel; a moment's pause before speaking keeps your natural fluency fair and "
        "balanced.",
        "Moon-Mercury:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind and your heart work from adjacent rooms; they can hear each other "
        "through the wall, but not always clearly. You may understand a feeling only "
        "after talking or writing about it, or find your thoughts carry an emotional "
        "tone you did not notice. Keeping a journal, or simply naming feelings as "
        "they arise, gradually strengthens the link between knowing and feeling.",
        "Moon-Mercury:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Head and heart keep interrupting each other: you explain a feeling away, "
        "or a mood steers a decision it should not touch. People close to you can "
        "argue the other side, cool when you are hurt or hurt when you are cool. "
        "Worry likes to narrate, running the same story in circles until it sounds "
        "like fact. Writing a feeling down before you talk it over lets the two halves "
        "finally hear each other.",
        "Moon-Mercury:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Affection comes easily to you, and you bring warmth, grace and comfort into "
        "your surroundings. People usually like you, and you have a knack for making "
        "them feel at home. Beauty and harmony soothe you, and you may have artistic "
        "taste or a gentle gift for relationships. The one risk is wanting to avoid "
        "anything unpleasant; the deepest love sometimes needs a difficult conversation, "
        "and you are able to have it kindly.",
        "Moon-Venus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "What comforts you and what you find beautiful are close neighbours but not "
        "the same thing, so you may need to fine-tune how you give and receive affection. "
        "Sometimes you want closeness and are offered charm, or the reverse. Learning "
        "your own emotional preferences, and asking gently for them, steadily refines "
        "your relationships and your sense of what truly nourishes you.",
        "Moon-Venus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "What comforts you and what charms you are different things, so you may love "
        "what does not nourish you and be nourished by what bores you. Relationships "
        "can carry the split: a partner who delights but never quite looks after "
        "you, or one who looks after you and never delights. Left alone, the gap "
        "can become a habit of buying something pretty whenever you feel unloved. "
        "Learning what truly feeds you lets affection and contentment share one table.",
        "Moon-Venus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your emotions carry a strong, fiery current, and you act on feelings quickly "
        "and with courage. You protect the people you love fiercely and have the "
        "energy to fight for home, family and causes close to your heart. Your temper "
        "may flare, but it rarely lingers. Because instinct and action join so readily, "
        "taking one breath before you react lets you use that vigour wisely.",
        "Moon-Mars:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your feelings and your impulses are out of step, so irritation can rise "
        "from needs you have not yet named. You may snap when you are really tired, "
        "hungry or longing for care. Noticing the first stirrings of annoyance and "
        "asking what you need puts that energy to use, and makes you both gentler "
        "and more effective.",
        "Moon-Mars:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Hurt becomes heat quickly in you, and you may strike before you know what "
        "you feel. Family rows, a temper met again in the people who provoke you, "
        "doors slammed and regretted: often the clash is out in the open. At other "
        "times anger smoulders inside, a grievance rehearsed long after the moment "
        "has passed. Saying early and plainly that something hurt, without a weapon "
        "in the sentence, lets your quickness protect the people you love instead "
        "of wounding them.",
        "Moon-Mars:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have a generous heart and an expansive emotional life, and people feel "
        "welcomed and lifted in your presence. Your instincts run optimistic and "
        "protective, and help often seems to arrive just when you need it. Home and "
        "family can be a source of real abundance. Guard against excess in eating, "
        "spending or promising, and your kindness will keep finding its way back "
        "to you.",
        "Moon-Jupiter:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your need for security and your hunger for growth sit side by side, each "
        "nudging the other. You may feel restless when life is too comfortable and "
        "uneasy when it expands too fast. Experiments such as opening your home to "
        "new people or taking short trips stretch your comfort zone at a pace you "
        "can sustain, and let your generosity grow with it.",
        "Moon-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your feelings run large, and enough rarely feels like enough: one more helping, "
        "one more guest, one more promise. You can attract people whose needs dwarf "
        "your own, or clash with those who call your generosity excess. There can "
        "also be a quiet compulsion to provide, to fill every silence with giving. "
        "Finding your own measure lets a big heart warm the room instead of flooding "
        "it.",
        "Moon-Jupiter:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Feeling and duty are closely joined in you. You tend to be emotionally steady, "
        "practical and dependable, taking your responsibilities to family and home "
        "seriously, and others lean on you in hard moments. The same bond can make "
        "feelings seem a burden to be managed, and you may have learned early to "
        "keep your needs to yourself. Letting people care for you, rather than only "
        "caring for them, softens that reserve and deepens your strength.",
        "Moon-Saturn:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A reserve colours your emotional life, as though you check whether a feeling "
        "is allowed before letting it show. The caution can be useful, giving you "
        "composure under pressure, though it may also keep people at arm's length. "
        "Allowing moments of vulnerability with people you trust teaches you that "
        "security and openness can live in the same house.",
        "Moon-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Feeling and duty sit in the same chair, and duty usually wins. You may have "
        "learned early that your needs were a burden, and partners or family can "
        "appear cold just where you hold back warmth yourself. Within, the strain "
        "can run as a strict habit of self-sufficiency: coping alone, tidying emotion "
        "away, refusing help before it is offered. Letting yourself be looked after, "
        "in small ways first, makes your great reliability warm as well as strong.",
        "Moon-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You need emotional freedom and thrive on variety and surprise. Your instincts "
        "are quick and sometimes startlingly accurate, your moods can change abruptly, "
        "and you may have an unconventional home life or an unusual bond with your "
        "mother. You bring a spark into people's lives. Because you value space so "
        "highly, those close to you may need reassurance that your independence is "
        "not indifference.",
        "Moon-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Restlessness stirs beneath your emotional routines, making you occasionally "
        "want to shake up your home, your habits or your closest ties. The urges "
        "rarely amount to upheaval, but they persist. Honouring them in manageable "
        "ways, by rearranging a room, trying a new ritual or taking time alone, keeps "
        "your inner life fresh without unsettling the people you care about.",
        "Moon-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your moods change as fast as mountain weather: close one day, needing air "
        "the next. Early home life may have been unsettled, and partners can keep "
        "their distance as if acting out your wish for space, or crowd you just when "
        "you need it most. Deep down there can be a reflex to leave before you are "
        "left. Closeness that includes freedom, with people who do not take your "
        "need for air as rejection, lets you stay when feelings run high.",
        "Moon-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your emotional sensitivity is profound: you absorb atmospheres, feel others' "
        "pain and respond with deep compassion. Imagination, music, dreams and spiritual "
        "life nourish you. Being so porous has a price: you may come home carrying "
        "a stranger's sadness, say yes to every plea for help, or drift into daydreams "
        "while a bill or a hard talk waits. Time alone and clear boundaries keep "
        "your empathy a healing presence.",
        "Moon-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A dreamy quality touches your emotional life lightly, so you sometimes sense "
        "things you cannot explain or pick up moods that are not strictly your own. "
        "The effect is subtle and easy to dismiss. Paying attention to your dreams, "
        "hunches and the way places affect you sharpens this sensitivity into an "
        "inner guide you can trust.",
        "Moon-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your emotional skin is thin, and other people's moods pass through it as "
        "if they were your own. You may idealise someone and feel betrayed when they "
        "turn out human, or be drawn to those who need saving. In private there can "
        "be a pull to withdraw, into music, old films or a long retreat from whatever "
        "feels harsh. Caring without merging, and knowing which feelings are yours, "
        "makes your sensitivity a steady compassion.",
        "Moon-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your emotions run deep and strong, and you feel things with an intensity "
        "others may never see. You have a gift for emotional healing, your own and "
        "other people's, and can face a crisis with unusual courage. The same depth "
        "has a shadow: you may nurse a grudge for years, test a partner's loyalty "
        "in silence, or feel jealous long before you admit that you care. Let your "
        "strength include trust; you do not need to control every feeling for it "
        "to be safe.",
        "Moon-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Undercurrents move through your feelings, and you may sense the emotional "
        "truth of a situation before anyone speaks it. Acts of letting go are asked "
        "of you again and again: old habits, grudges, attachments. Each one you release "
        "leaves you lighter and more perceptive, and over the years this becomes "
        "a steady emotional wisdom.",
        "Moon-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your feelings go all the way down, and attachment can feel like a matter "
        "of survival. Your bond with your mother or family may have been intense "
        "or marked by upheaval. In adult love, power can slip in as jealousy, silent "
        "tests of loyalty, or a partner who voices the feelings you bury. An old "
        "hurt can keep replaying, dug up again each time it starts to heal. Honest "
        "work with what you feel releases a deep, healing strength.",
        "Moon-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind and your sense of beauty work as one, giving you a graceful, diplomatic "
        "way with words and a taste for art, language and pleasant company. You tend "
        "to see the best in people and to say it kindly. Writing, design, singing "
        "or music may come easily. Your tact is a real gift, though it can tempt "
        "you to avoid hard truths; learn to be honest as well as charming and your "
        "words will carry weight.",
        "Mercury-Venus:conjunction-trine")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your thinking and your taste are near neighbours, so occasionally what sounds "
        "right does not feel right, or a feeling you love will not come out in words. "
        "Adjustments of tone, such as softening a blunt remark or making a vague "
        "compliment specific, gradually refine both your speech and your relationships.",
        "Mercury-Venus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have openings to turn charm into skill: a pleasant voice, a feel for "
        "words, a talent for negotiation or correspondence that grows the more you "
        "use it. Social contacts and creative study can open doors. The gift asks "
        "for some practice before it flourishes, but with a little effort your words "
        "become a source of pleasure for others and possibly of income for you.",
        "Mercury-Venus:sextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind and your tastes argue quietly: you say what pleases rather than "
        "what you mean, or cannot explain why you like what you like. Talk of love "
        "or money can turn awkward, and blunt people may say aloud what you only "
        "hint at. On your own you may polish a compliment or an apology until it "
        "says nothing at all. Choosing honesty first and charm second gives your "
        "words a grace that is also true.",
        "Mercury-Venus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind is quick, sharp and decisive, and you argue with energy and confidence. "
        "You think on your feet, grasp practical problems fast and enjoy a good debate. "
        "A feel for tools, machines or strategy may come naturally. The danger is "
        "speaking too fast or too bluntly; your words have force, so aim them with "
        "care and you will be a persuasive, effective communicator.",
        "Mercury-Mars:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your thoughts and your actions are a touch out of sync, so you may act before "
        "thinking, or think of the perfect reply long after the moment has passed. "
        "An edge can creep into how you speak when you feel rushed. Practising short "
        "pauses, and matching your words to your deeds, sharpens both your judgement "
        "and your timing.",
        "Mercury-Mars:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your words come out with an edge, and a discussion can become a contest "
        "before you notice. Opponents may say, rudely, exactly what you were thinking, "
        "and deadlines and quarrels tend to arrive together. The argument can go "
        "on in your head after everyone has left, as you sharpen the reply you did "
        "not make. Listening to the end before answering gives you a mind for debate "
        "and problem-solving that is hard to beat.",
        "Mercury-Mars:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You think in large terms and enjoy ideas, philosophy, travel and learning "
        "of every kind. You tend to be an optimistic, persuasive speaker, good at "
        "seeing the big picture and explaining it to others, and writing, teaching "
        "or publishing may suit you. Take care with details, which your enthusiasm "
        "tends to skip, and your breadth of vision will serve you well.",
        "Mercury-Jupiter:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your practical mind and your wider beliefs are close neighbours that do "
        "not always talk to each other. You might gather facts without seeing their "
        "meaning, or hold big ideas without the details to back them. Daily efforts "
        "to connect the two, such as reading widely and noting what each thing taught "
        "you, build a mind both informed and wise.",
        "Mercury-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You can take in more ideas than you can digest and promise more than the "
        "calendar allows. You may clash with preachers of every kind, and with know-alls "
        "who remind you of yourself, while details slip as you argue the big picture. "
        "The private hunger is for the next book, the next course, the answer that "
        "will explain everything. Checking one belief at a time against the facts "
        "gives your generous mind an accuracy to match its reach.",
        "Mercury-Jupiter:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind is careful, organised and thorough, and you think things through "
        "before you speak. You learn steadily and keep what you learn, and you may "
        "excel at research, planning or any work that demands precision. People trust "
        "your word. Guard against pessimism and excess caution; your sound judgement "
        "is at its best with a little playfulness mixed in.",
        "Mercury-Saturn:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A self-consciousness accompanies your thinking, so you tend to check your "
        "words or doubt your ideas before sharing them. This can slow you down, but "
        "it also breeds precision. Regular practice, whether writing, studying or "
        "speaking up in groups you trust, gives you a measured authority and the "
        "confidence to use it.",
        "Mercury-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may have felt early on that you were not clever enough, or that nobody "
        "was listening. Critics and examiners can voice your own inner judge, and "
        "under pressure your views may harden into a defensive no. That judge seldom "
        "rests: every sentence is weighed before it is spoken, every slip remembered. "
        "Yet the same mind has rare concentration, and knowledge earned the hard "
        "way lends you a quiet authority.",
        "Mercury-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind is quick, inventive and original, often leaping to insights others "
        "reach only slowly. You may be drawn to technology, science or any field "
        "that rewards new ideas, and conversation with you is lively and full of "
        "surprises. Your challenge is patience with slower thinkers and with details; "
        "when you slow down enough to explain, your brilliance becomes useful to "
        "everyone.",
        "Mercury-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Flashes of unusual insight sometimes interrupt your ordinary thinking, and "
        "you may not know at once how to use them. You can feel out of step with "
        "how others reason. Keeping a notebook for sudden ideas, and testing them "
        "calmly later, develops this into a distinctive and dependable originality.",
        "Mercury-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind moves in sparks, and sometimes the sparks land on other people. "
        "You can be contrary for its own sake, meet people just as contrary, or blurt "
        "out a truth that was not yours to tell. Your thoughts can race ahead of "
        "you, jumping from plan to plan without finishing any. A steady routine, "
        "and real curiosity about views you did not think of first, let your inventiveness "
        "reach others.",
        "Mercury-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind is imaginative and intuitive, with a gift for images, stories, "
        "music or poetry. You understand things by feeling your way into them and "
        "can put subtle impressions into words that move people. The weak spot is "
        "vagueness or forgetfulness over practical matters. Writing things down and "
        "checking facts lets your inspiration flow without losing its way.",
        "Mercury-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your thoughts are tinged with imagination in ways you may not always notice, "
        "so facts and impressions can blur at the edges. This gives your mind a soft, "
        "intuitive quality that others find appealing. Clear notes, careful listening "
        "and a regular creative outlet sharpen that intuition and keep it trustworthy.",
        "Mercury-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Facts and feelings blur in your thinking, so a clear message can arrive "
        "cloudy and a vague promise can sound like a plan. Persuasive people may "
        "mislead you, or you may mislead others without meaning to. Left to itself "
        "the mind drifts, filling gaps with what you wish were true and putting off "
        "the letter you dread opening. Checking facts, asking plain questions and "
        "giving your fantasies a creative home make your intuition something others "
        "can trust.",
        "Mercury-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind is penetrating and perceptive, drawn to mysteries, hidden motives "
        "and the deeper layers of any subject. You could make an excellent researcher, "
        "investigator or therapist, and your words carry unusual weight. You persuade "
        "without raising your voice. Use that influence honestly, and your insight "
        "will help many people see what they could not see alone.",
        "Mercury-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A quiet investigative streak runs through your thinking, making you curious "
        "about what goes unsaid. You notice subtext that others miss without always "
        "knowing what to do with it. Slowly building the courage to ask probing questions, "
        "and the tact to ask them well, refines this into real depth of understanding.",
        "Mercury-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind goes looking for what is hidden and rarely stops at the surface. "
        "Conversations can become contests over who knows more, and you may suspect "
        "others of manipulation, sometimes rightly, sometimes when it is your own "
        "wish to steer the talk. A single thought can grip you until you have turned "
        "it over a hundred times. Honest speech, and a readiness to be changed by "
        "what you learn, put this depth to good use.",
        "Mercury-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Desire and affection are closely linked in you, so you can want someone "
        "and like them at the same time, which is rarer than it sounds. You have "
        "warmth, physical charm and a strong appetite for life, and your creative "
        "work often carries a sensual, energetic quality. Attraction can run hot, "
        "at times impatient or hard to contain. Your magnetism means most when you "
        "put it behind a bond you choose to keep.",
        "Venus-Mars:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "What draws you and what you actually enjoy once you have it are close cousins, "
        "not twins. You may pursue someone and then find you wanted gentleness more "
        "than conquest, or wait politely when a bolder move was called for. Paying "
        "attention to these misfires, and adjusting pace and approach in love, gives "
        "you a well-timed, grown-up kind of passion.",
        "Venus-Mars:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Attraction arrives with friction: you are drawn to people you argue with, "
        "and closeness can feel like a contest of wills. In a couple one of you may "
        "do all the pursuing and the other all the tending, and the roles can swap "
        "without warning. Beneath it can run a compulsive pattern of chasing whoever "
        "resists and cooling toward whoever is offered. Asking plainly for what you "
        "want, and hearing a no without injury, keeps passion alive and kind.",
        "Venus-Mars:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You tend to be warm, sociable and generous, and good things often reach "
        "you through people: friends who open doors, partners who widen your world, "
        "a talent for art or hospitality that others value. You enjoy life's pleasures "
        "without guilt and share them gladly. The shadow is indulgence and a habit "
        "of coasting on goodwill. Your generosity is finest when you give it purpose "
        "and back it with care.",
        "Venus-Jupiter:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your appetite for pleasure and your wish to grow sit side by side, each "
        "tugging at the other. One month you may spend too freely on comfort, the "
        "next hold back from a generosity that would have been wise. Noticing these "
        "swings without judgement, and asking whether a pleasure actually enlarges "
        "your life, teaches you a relaxed and gracious kind of abundance.",
        "Venus-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "In love and pleasure more always looks better, so the bill, the plate or "
        "the hopes placed on a partner grow larger than anyone can meet. Lavish friends "
        "can mirror your excess back to you, and disappointment follows when real "
        "life is smaller than the dream. When a day feels thin, you may reach for "
        "one more treat almost without noticing. Once you find that enough can be "
        "a feast, your large heart and good taste serve you well.",
        "Venus-Jupiter:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Love and duty are fused in you. You take relationships seriously, prefer "
        "loyalty to flirtation, and show affection through reliability more than "
        "grand gestures. Shyness or a sense of being hard to love may have marked "
        "your youth, and real contentment in partnership often comes later, or with "
        "someone older or more settled. Your affection matures like good wood. Let "
        "yourself enjoy pleasure without first feeling you must earn it.",
        "Venus-Saturn:conjunction")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Caution tempers your affections; you like to be sure of someone before you "
        "let them matter. This reserve often protects you from hasty choices, though "
        "it can make you seem cooler than you feel. Offering trust in deliberate "
        "steps, and noticing when prudence has quietly become fear, helps you build "
        "relationships that are both safe and warm.",
        "Venus-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Love may have felt like something you had to earn. You may hold back affection "
        "for fear of rejection, accept a relationship run on duty, or judge your "
        "looks and worth harshly; partners can look cold when they echo your own "
        "doubts. Somewhere in you a ledger may run nonstop, counting what you give "
        "and what you are owed. Hard as it is, this strain teaches what commitment "
        "means, and self-worth built slowly from within can draw love that deepens "
        "with age.",
        "Venus-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Love and freedom are inseparable for you. You are drawn to unusual people, "
        "sudden attractions and partnerships that leave room to breathe, and your "
        "taste in art, dress or music is often ahead of its time. Conventional romance "
        "can bore you quickly. The more honestly you admit your need for space, the "
        "more easily you find partners who share it, and then excitement and closeness "
        "stop being rivals.",
        "Venus-Uranus:conjunction")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A flicker of the unexpected runs through your affections: sudden likes, "
        "unexplained dislikes, a taste for the offbeat. You may need more room in "
        "love than you usually admit. Saying so openly, and building surprises and "
        "shared novelties into your relationships, keeps them fresh without turning "
        "them upside down.",
        "Venus-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Love can strike like lightning for you and leave as fast. You may fall for "
        "people who are unavailable, far away or unconventional, partners who act "
        "out a need for freedom that is really yours. You may want to bolt just as "
        "closeness starts to feel real. Telling true independence apart from a fear "
        "of being trapped lets you build bonds that are lively, honest and able to "
        "survive change.",
        "Venus-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your affections have a cool, clear-headed streak, so love rests on friendship "
        "and respect as much as on feeling. You want a bond with a shape you can "
        "rely on and room to be yourself inside it, and your taste in beauty is distinctly "
        "your own. Partners tend to find you loyal without being possessive. Like "
        "every easy gift, this one needs using: it serves you best when you choose "
        "your bonds deliberately rather than let them drift.",
        "Venus-Saturn-Uranus:sextile-trine")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have a refined, romantic and compassionate nature, with a strong response "
        "to music, film, poetry and anything that lifts ordinary life toward the "
        "ideal. Love has a spiritual tinge for you. The shadow is a soft-focus lens: "
        "you may overlook a warning sign, lend what you cannot spare, or wait for "
        "someone to become the person you imagined. Keep your heart open and your "
        "eyes clear, and your devotion can land where it belongs.",
        "Venus-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Romantic ideals shimmer behind your affections, so you may expect more magic "
        "from love than daily life supplies. The gap is steady, a low hum of longing. "
        "Letting art, music and beauty carry part of that longing, while appreciating "
        "real people as they are, brings your ideals and your relationships closer "
        "each year.",
        "Venus-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You can fall in love with a person's potential, rescue someone who never "
        "asked, or give until your own cupboard is bare. Partners may embody your "
        "ideal until the dream dissolves, and money can slip through loose boundaries. "
        "Longing can become a habit of its own, always for the one who is not here. "
        "Your compassion and artistic feeling are rare; seeing people clearly lets "
        "your devotion be received.",
        "Venus-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You love intensely and loyally, seeking connection that reaches below the "
        "surface rather than pleasant company alone. There is a magnetic quality "
        "to you, and relationships tend to change both you and the other person profoundly. "
        "You may be drawn to art that explores desire, loss or renewal. Be aware "
        "of the pull you have on others; used generously it heals and deepens, while "
        "used to hold on it suffocates.",
        "Venus-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A hidden intensity runs under your affections, surfacing now and then as "
        "a flash of jealousy or a wish for more depth than a friendship offers. These "
        "are quiet signals rather than storms. Listening to them, and saying honestly "
        "what you need instead of waiting to be guessed, gradually deepens both your "
        "relationships and your sense of your own worth.",
        "Venus-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Love can become all or nothing for you, bringing jealousy, possessiveness "
        "or bonds in which power is quietly traded. You may attract partners who "
        "hold the intensity you fear in yourself, and an ending can feel like losing "
        "part of who you are. In secret, desire can fix on one person and keep circling "
        "back long after the bond is over. As you learn that you are worth loving "
        "without being needed, passion heals rather than grasps.",
        "Venus-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Energy and enthusiasm come to you in generous supply. You like sport, adventure "
        "and big projects, you recover quickly from setbacks, and your confidence "
        "tends to draw others in. Action taken in good faith seems to carry you further "
        "than expected. The one trap is overestimating your stamina or your luck; "
        "pacing yourself keeps this buoyant drive available for the long run.",
        "Mars-Jupiter:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your drive and your convictions are out of tune, so you may pour effort "
        "into the wrong goal or lose steam once the aim grows vague; the mismatch "
        "is often noticed only in hindsight. Checking now and then that what you "
        "are doing serves what you believe in gives your enthusiasm a steady aim.",
        "Mars-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You act big and fast: too many commitments, the risky bet, the cause pursued "
        "without hearing the other side. Rules and officials may provoke you, and "
        "rivals can match your zeal. You may also feel compelled to go one step further, "
        "taking on the extra task no one asked for until you run out of steam. Planning "
        "and a sense of limits let your zeal achieve what cautious people only talk "
        "about.",
        "Mars-Jupiter:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Drive and restraint are closely bound in you. At best they cooperate, so "
        "you can work hard, long and steadily, and do well at tasks that need stamina, "
        "skill or careful timing, from craftsmanship to engineering to endurance "
        "sport. You may also feel blocked at times, as if your energy must pass a "
        "strict inspector before it may move. Respecting that caution without letting "
        "it harden into harshness, toward yourself or others, makes your strength "
        "last.",
        "Mars-Saturn:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Checks keep meeting your impulses, as if something inside asks you to wait "
        "and plan before you move. It can feel like driving with the handbrake half "
        "on, and it may irritate you. Learning to pace yourself, and to use the pause "
        "rather than fight it, gives you remarkable precision and an energy that "
        "lasts.",
        "Mars-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Every time you push, something pushes back. A harsh authority may have shaped "
        "your first lessons in effort, and bosses, rules or slow paperwork can still "
        "block the road. Anger may be held in until it sets hard, then let out all "
        "at once. This friction forges exceptional endurance; steady, structured "
        "work and honest outlets for frustration build a mastery that lasts.",
        "Mars-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You act with daring and originality, quick to seize a new opportunity or "
        "a new method. Routine bores you but an emergency wakes you up, and you often "
        "do your best work in sudden bursts. The shadow is impatience: you may quit "
        "a job on the spot, take the risky shortcut, or drop a project the moment "
        "it turns dull. Your inventive courage is a gift, as long as you leave a "
        "margin of safety for yourself and those around you.",
        "Mars-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Now and then a sudden impulse cuts across your plans: an urge to quit, to "
        "change direction, to try something wildly different. These jolts rarely "
        "upend your life, but they are real, and they can leave you restless. Noticing "
        "them, and giving them a safe channel such as experiment, movement or a side "
        "project, makes you more adventurous without making you reckless.",
        "Mars-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You move on impulse and bristle at any constraint, so quarrels, walkouts "
        "and abrupt changes tend to follow you. Headstrong people can cross your "
        "path at the worst moment and strike the same spark of impatience in you. "
        "The urge to act now can feel irresistible, a restlessness that wants to "
        "break something just to feel free. A breath before acting, and rebelling "
        "for something rather than against everything, keep your courage useful and "
        "the people around you safe.",
        "Mars-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your energy is moved by ideals, compassion or imagination, and you act most "
        "wholeheartedly for causes or creative visions larger than yourself. Dance, "
        "music, film, swimming and caring work may suit you. The same link can blur "
        "your drive, so energy may ebb without clear reason or go to causes that "
        "prove less than they seemed. Anchoring your dreams in concrete goals, and "
        "resting when you need to, lets your gentle strength go far.",
        "Mars-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your drive is sometimes softened or scattered by a dreamy undertow, so you "
        "may start with conviction and then lose sight of what you wanted. Mostly "
        "it is a matter of focus and fluctuating energy. Writing your aims down step "
        "by step, and guarding your rest, brings inspiration and action into step.",
        "Mars-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Asserting yourself directly can feel wrong, so you may act from guilt, confusion "
        "or an ideal that turns out to be a mirage. Conflict you avoid may come back "
        "sideways, and others can act out the anger you disown. Energy can leak into "
        "doubt and second thoughts, or into quiet escapes that leave the real task "
        "undone. Naming what you want plainly, within clear limits, gives your compassion "
        "and imagination a direction.",
        "Mars-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have great reserves of willpower and stamina, and you can keep going "
        "long after others have quit. Your energy is focused and intense, and you "
        "may be drawn to demanding fields such as surgery, research, rescue work "
        "or competitive sport; you come into your own in a crisis. Such force can "
        "turn ruthless when you feel cornered, so use it consciously, and it will "
        "bring remarkable achievements.",
        "Mars-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "An undercurrent of intensity fuels your actions, surfacing now and then "
        "as stubbornness or an urge to win every contest, however trivial. It is "
        "a pressure that is easy to overlook. Noticing when you are driven rather "
        "than choosing, and redirecting that force on purpose, develops a deep and "
        "steady determination.",
        "Mars-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your will is formidable and can turn ruthless under pressure. Power struggles, "
        "explosive anger or risky situations can mark your path, and forceful people "
        "may challenge you where you hold your own strength back. At its most private, "
        "the drive can become a compulsion to win at any cost, to go on fighting "
        "long after the fight is over. Choosing your battles, and acting with open "
        "eyes, let this force rebuild rather than destroy.",
        "Mars-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Hope and realism work together in you, a blend that suits anything meant "
        "to last, whether a career, an institution or a family. You know when to "
        "expand and when to consolidate, and your plans tend to be both ambitious "
        "and sound. Since this contact is shared by people born within months of "
        "you, it speaks most personally through the houses it occupies. Trust your "
        "balance of faith and prudence; it brings steady success.",
        "Jupiter-Saturn:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your sense of opportunity and your sense of limitation are close neighbours "
        "that keep adjusting to each other. You may hesitate a beat too long, or "
        "leap a beat too soon. Shared with others born around the same time, this "
        "quiet contact asks for regular fine-tuning between risk and caution, and "
        "repays it with practical wisdom about timing.",
        "Jupiter-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Hope and caution take turns at the wheel: big plans, then sudden clamp-downs, "
        "and colleagues who are all caution or all hope. Careers can move in stop-start "
        "phases. In private you may second-guess each step, unable either to commit "
        "to a risk or to let it go. Many people born within the same year or so share "
        "this tension; your houses and personal planets show where it bites. Growth "
        "in steady stages gives you a fine sense of timing.",
        "Jupiter-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have a knack for lucky breaks, sudden openings and original ideas that "
        "lead somewhere. Freedom and growth go hand in hand for you, and travel, "
        "invention or unconventional beliefs may widen your world. This contact is "
        "shared by those born within months of you, so it shows most clearly through "
        "its houses and any link to your personal planets. Stay curious, and fortune "
        "often surprises you.",
        "Jupiter-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Unexpected openings appear at the edges of your life, and you need to pay "
        "attention to catch them. This contact, common to your whole age cohort, "
        "rewards curiosity and a willingness to experiment with your beliefs and "
        "plans. Over time those experiments add up to a broader and more independent "
        "outlook.",
        "Jupiter-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Freedom and luck tempt you toward the sudden leap: the job quit on a hunch, "
        "the move across the world, the scheme that promises everything at once. "
        "Reversals of fortune and restless companions can come with it. An itch to "
        "reinvent your beliefs may return whenever they settle. Shared by many people "
        "born in the same year, this restlessness takes its personal shape from your "
        "houses; testing new ideas before leaping lets your originality pay.",
        "Jupiter-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have a generous, idealistic and spiritual nature, with a vivid imagination "
        "and deep compassion. Religion, art, music, healing or charity may draw you, "
        "and you tend to believe in people. The aspect is shared by those born in "
        "the same season, so its personal weight comes through houses and links to "
        "your inner planets. Your faith is a gift; give it some practical grounding "
        "so dreams can become reality.",
        "Jupiter-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "An idealism colours your hopes, so you may sometimes expect more from life "
        "or people than they can give. Shared by your age cohort, this contact asks "
        "for repeated adjustments between faith and fact, and repays them with a "
        "mature, compassionate outlook that is neither naive nor cynical.",
        "Jupiter-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Faith can outrun fact: you may over-promise, trust a charming guru, or back "
        "a plan because it sounds beautiful. Prophets and salespeople can find in "
        "you an eager listener when they echo your own longing. Hope can also become "
        "a compulsion to believe, a way of looking away from the numbers. Many of "
        "your contemporaries share this tension; your houses and personal planets "
        "show where it plays out. Practical checks let your vision inspire rather "
        "than mislead.",
        "Jupiter-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Ambition and depth reinforce each other in you, giving a capacity to gain "
        "influence, resources or expertise through persistent, focused effort. You "
        "grasp how systems work beneath the surface and can help transform them. "
        "Because people born within months of you share this contact, it matters "
        "most through its houses and inner-planet links. Use your influence ethically "
        "and it can change the world around you.",
        "Jupiter-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A quiet urge for deeper growth runs through your ambitions, encouraging "
        "you to look beneath surfaces before committing. Shared with your age cohort, "
        "this contact develops through attention to how you use influence and resources, "
        "and rewards that attention with a steady, well-founded sense of purpose.",
        "Jupiter-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Ambition can swell until it wants all or nothing: power struggles with authorities, "
        "success pursued relentlessly, convictions held without a doubt. Powerful "
        "people may stand in your way as if they carried your own hunger for influence. "
        "Underneath runs a drive to control the outcome, never satisfied with enough. "
        "This drive is common to many born around your year and becomes personal "
        "through your houses; ethics and humility give it lasting, constructive force.",
        "Jupiter-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This contact, shared by many born within a year or two of you, links the "
        "wish to preserve with the urge to renew. It can give a practical inventiveness "
        "and a talent for reforming institutions from within. The link is not always "
        "comfortable: you may defend a custom you no longer believe in, or push a "
        "reform before anyone is ready for it. Where it touches your personal planets, "
        "you can be both innovator and the one who makes things last.",
        "Saturn-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Shared by people born within a year or so of you, this contact links the "
        "wish to preserve with the urge to renew. In daily life it may show as a "
        "tension between routine and restlessness, security and experiment. Where "
        "it touches your personal planets, regular updates to your habits and structures "
        "keep you from either stagnating or tearing everything down.",
        "Saturn-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Old and new collide in this aspect, which you share with many born within "
        "a year or two of you; your generation is marked by a pull between tradition "
        "and reform. Where it touches your personal planets, you may meet the conflict "
        "in people who defend every rule or break every one, or live it as a private "
        "seesaw: clinging to routine, then tearing it up. The growth lies in becoming "
        "a bridge, changing things deliberately and letting structures evolve.",
        "Saturn-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Dreams and discipline work together in this contact, which you share with "
        "your age group. At its best it lets a generation build ideals into lasting "
        "forms, such as hospitals, charities or films. Its harder side is doubt: "
        "a structure you trusted can lose its meaning, and a hope has to prove itself "
        "in practice before you lean on it. Where it links to your personal planets, "
        "you may give imagination a practical shape and serve others with patience "
        "and realism.",
        "Saturn-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Like most contacts between the slow planets, this one belongs to your whole "
        "age group more than to you alone, and the link between realism and idealism "
        "it describes rarely makes itself felt. It may show as unease when life becomes "
        "too practical or too dreamy. Where it touches your own planets, taking concrete "
        "steps toward an inspiring aim, and letting some mystery into your duties, "
        "strengthens both sides over time.",
        "Saturn-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Reality and ideals strain against each other in this aspect, a mark of your "
        "age group, whose formative years may have seen dreams dissolve or institutions "
        "quietly erode. Where it touches your personal planets, others may play the "
        "dreamer or the cynic for you, or you may carry a private unease that nothing "
        "solid will last. Patient effort to give one vision real form shows you that "
        "faith and realism can work together.",
        "Saturn-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Shared by your whole age group, this contact links structure with the power "
        "to tear down and rebuild. It lends endurance, deep concentration and a talent "
        "for restoring what has broken. It can also weigh on you: duty can feel like "
        "a load carried alone, and power is something you approach sternly and guard "
        "closely. Where it touches your personal planets, you may find great staying "
        "power in a crisis and an aptitude for long, serious undertakings.",
        "Saturn-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Many people born within a few months of you share this aspect, a thread "
        "between structure and deep change. It may surface as a sense that the rules "
        "you live by need renewing from time to time. Where it contacts your personal "
        "planets, heeding that sense, and letting worn-out commitments go gracefully, "
        "builds a durable resilience.",
        "Saturn-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Heavy pressures mark this aspect, which your generation shares: many born "
        "in these years arrive amid hardship, rigid authority or the collapse of "
        "established orders. Where it touches your personal planets, you may meet "
        "in others the control you hold back, or carry an inner need to brace for "
        "the worst before it comes. Yet few aspects build such strength. Facing fear "
        "directly and owning your power let endurance become lasting achievement.",
        "Saturn-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Everyone born from roughly the late 1980s through the 1990s shares this "
        "rare fusion of freedom and imagination, which returns only about every 170 "
        "years. It marks a generation shaped by digital worlds, virtual connection "
        "and a blurring of the real and the imagined. In your own chart it matters "
        "through its house and any links to personal planets, showing where you can "
        "dream up new forms for society and spirit.",
        "Uranus-Neptune:conjunction")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Shared by everyone born over several years around you, this link between "
        "the urge for change and the longing for the ideal rarely tells a personal "
        "story on its own. Where it touches your own inner planets, it asks for practical "
        "ways of turning inspiration into innovation, and rewards you with a quietly "
        "visionary outlook.",
        "Uranus-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Shared by your entire generation, this easy link between innovation and "
        "imagination lends a natural openness to new spiritual ideas, artistic experiment "
        "and technologies that widen awareness. On its own it is background climate. "
        "It becomes personal through its houses and wherever it contacts your inner "
        "planets, showing where intuition and originality work together for you without "
        "strain.",
        "Uranus-Neptune:sextile-trine")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This aspect, shared by everyone born over a span of years around you, reflects "
        "a generation caught between radical change and spiritual longing, between "
        "the protest march and the retreat from the world. Where it touches your "
        "personal planets, you may feel torn between freedom and surrender, or meet "
        "one side of the conflict in the people and causes you are drawn to. Letting "
        "each side temper the other gives you a rare, grounded idealism.",
        "Uranus-Neptune:square-opposition")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Common to your whole age group, this uneasy contact pairs the urge to break "
        "free with the urge to dissolve into something greater, two drives with little "
        "natural understanding of each other. Where it touches your personal planets, "
        "it works inwardly, as a restless search: a new cause or practice taken up "
        "with fervour, then dropped when it fails to change everything. Seeing the "
        "pattern lets you choose one vision and give it time.",
        "Uranus-Neptune:quincunx")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Most people born between September 1961 and August 1970 share this fusion "
        "of revolution and transformation, which returns only after more than a century. "
        "Your generation arrived amid upheaval and carries an instinct for radical "
        "change, from technology to social and sexual norms. On its own it describes "
        "the times; its house and any contacts to your inner planets show where you "
        "personally are called to break and remake the old.",
        "Uranus-Pluto:conjunction")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Shared by everyone born within several years of you, this link between sudden "
        "change and deep transformation rarely speaks on its own. Where it touches "
        "your personal planets, it may appear as periodic urges to overhaul some "
        "corner of your life. Attending to them consciously, rather than waiting "
        "for a crisis to force the issue, lets you grow through steady renewal.",
        "Uranus-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This easy contact between freedom and transformation belongs to your entire "
        "generation, lending a talent for constructive reform and for technological "
        "or psychological innovation. On its own it describes a collective climate "
        "rather than a personal trait. Through its houses and any links to your inner "
        "planets, it shows where you can bring about deep change with comparatively "
        "little resistance.",
        "Uranus-Pluto:sextile-trine")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your generation shares this forceful tension between the urge for freedom "
        "and the pressure of deep transformation. Many born from 1929 to 1937 or "
        "from 2007 to 2019 have it, and nearly all born from 1931 to 1935 or from "
        "2010 to 2016. It speaks of crisis and the need to reshape society. Where "
        "it touches your inner planets, you may feel driven to break structures or "
        "meet sudden change; worked through consciously, it can make you an agent "
        "of renewal.",
        "Uranus-Pluto:square")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your whole age group carries this strained link between change and transformation, "
        "and with it a sense of being driven by forces no one fully understands. "
        "Where it touches your personal planets, upheaval tends to work from within "
        "rather than head-on: an urge to overhaul your life that returns whenever "
        "things grow settled, like an itch you cannot reach. Knowing the urge for "
        "what it is lets you renew one corner at a time.",
        "Uranus-Pluto:quincunx")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This rare opposition belongs to those born from 1901 to about 1905 and again "
        "from the early 2040s on, and speaks of a collective confrontation between "
        "the push for freedom and entrenched power. Those born under it face a world "
        "where revolution meets resistance. Where it touches your personal planets, "
        "these forces tend to reach you through other people, who act out what you "
        "have not yet claimed. Seeking balance lets that conflict become transformation.",
        "Uranus-Pluto:opposition")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This extremely rare conjunction, occurring roughly every 500 years and last "
        "formed in the early 1890s, belongs to an entire era rather than a single "
        "generation. It marks the seeding of a new cycle of collective imagination "
        "and transformation. For you as an individual it counts only where it falls "
        "by house or meets a personal planet; there you may sense deep undercurrents "
        "of change in belief and vision.",
        "Neptune-Pluto:conjunction")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This link between imagination and transformation belongs to everyone born "
        "from about 1914 to 1919, a generation that arrived amid war and pandemic, "
        "so it is collective background rather than personal story. Where it touches "
        "your own planets, shifts in your ideals and deepest values may ask for conscious "
        "adjustment, gradually deepening your spiritual outlook.",
        "Neptune-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This long, harmonious contact between imagination and deep transformation "
        "is shared by whole generations, so it says more about the age you were born "
        "into than about you alone. It suggests a collective capacity for spiritual "
        "renewal and healing. It becomes personal through houses and any contact "
        "to your inner planets, where insight, compassion and the power to regenerate "
        "may come to you naturally.",
        "Neptune-Pluto:sextile-trine")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This rare tension between ideals and transforming power is shared by everyone "
        "born across several decades. It speaks of a collective struggle between "
        "dream and disillusion, faith and upheaval, often lived out between groups "
        "that each see the other as the threat. It becomes personal only where it "
        "touches your personal planets or a house. There it may bring a loss of belief, "
        "a slow inner reckoning and a rebirth, and teach you to hold vision and reality "
        "together.",
        "Neptune-Pluto:tense")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A conjunction fuses two planets, 0 degrees apart, into a single force. Their "
        "principles can no longer act alone, and as they usually share a sign, its "
        "element and quality colour both. It is the most powerful contact in a chart, "
        "expressed strongly and often unawares, for good or ill. Zodrivel counts "
        "it within 10 whole degrees of exact: the distance is rounded to the nearest "
        "degree, an exact half to the even one, so 10.5 degrees still counts and "
        "11 does not.",
        "Conjunction")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Conjunction",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Power",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Hard Aspect",
        "category")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Same Element / Same Quality/ Same Gender",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Conjunction Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A semi-sextile links planets 30 degrees apart, in neighbouring signs that "
        "share neither element nor quality and so see the world from different angles. "
        "Its effect is subtle, more a quiet response than an event, and it shows "
        "where steady adjustments are needed. Zodrivel counts it within 2 whole degrees "
        "of exact, from 28 to 32: the distance is rounded to the nearest degree, "
        "an exact half to the even one, so 27.5 and 32.5 degrees still count.",
        "SemiSextile")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Semi Sextile",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Response",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Soft Aspect",
        "category")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Different element/ different quality/different gender",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Semi-Sextile Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A sextile joins planets 60 degrees apart, in compatible elements, fire with "
        "air or earth with water, and marks an opportunity. The two principles cooperate "
        "readily, but the gift asks for a little initiative; acted on, talents develop "
        "and contacts open. Zodrivel counts it within 4 whole degrees of exact, from "
        "56 to 64: the distance is rounded to the nearest degree, an exact half to "
        "the even one, so 55.5 and 64.5 degrees still count.",
        "Sextile")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Sextile",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Opportunity",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Complementary element/different quality/same gender",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Sextile Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A square sets two planets 90 degrees apart, at cross purposes, usually in "
        "signs of the same quality but clashing elements. It brings irritation, inner "
        "pressure and obstacles that do not go away by being ignored, and that discomfort "
        "drives action and many hard-won achievements. Zodrivel counts it within "
        "8 whole degrees of exact, from 82 to 98: the distance is rounded to the "
        "nearest degree, an exact half to the even one, so 81.5 and 98.5 degrees "
        "still count.",
        "Square")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Square",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Irritation",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Same quality/different element/different gender ",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Square Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A trine links planets 120 degrees apart, in signs of the same element, so "
        "their energies flow together and support each other. It describes natural "
        "talent, sometimes so readily given that you take it for granted, and yields "
        "its best when you put the gift to work. Zodrivel counts it within 6 whole "
        "degrees of exact, from 114 to 126: the distance is rounded to the nearest "
        "degree, an exact half to the even one, so 113.5 and 126.5 degrees still "
        "count.",
        "Trine")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Trine",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Easy Flow",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Same element/Different Quality/Same Gender",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Trine Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A quincunx joins planets 150 degrees apart, in signs that share neither "
        "element nor quality and have no natural understanding of each other. It "
        "brings a persistent sense that something does not fit, often felt in health, "
        "schedules or duties, and calls for ongoing adjustment. Zodrivel counts it "
        "within 3 whole degrees of exact, from 147 to 153: the distance is rounded "
        "to the nearest degree, an exact half to the even one, so 146.5 and 153.5 "
        "degrees do not count.",
        "Quincunx")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Quincunx",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Adjustment",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Different Element/Different Quality/Different Gender",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Quincunx Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "An opposition places two planets 180 degrees apart, across the zodiac, facing "
        "each other like rivals or partners. It brings a swing between extremes, "
        "or meeting one side of yourself in other people, and the task is balance. "
        "Zodrivel counts it within 10 whole degrees of exact, from 170 to 180 degrees "
        "apart either way round: the distance is rounded to the nearest degree, an "
        "exact half to the even one, so 169.5 degrees still counts.",
        "Opposition")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Opposition",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Conflicts",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Complementary Element/Same Quality/Same Gender",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Opposition Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Sun",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Moon",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Mercury",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Venus",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Mars",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Jupiter",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Saturn",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Uranus",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Neptune",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Pluto",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Ascendant",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Midheaven",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "North Node",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Lilith",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Chiron",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Grand Trine",
        "an aspect pattern")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Kite",
        "an aspect pattern")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Grand Cross",
        "an aspect pattern")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "T-Square",
        "an aspect pattern")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Yod",
        "an aspect pattern")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Mystic Rectangle",
        "an aspect pattern")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Stellium",
        "an aspect pattern")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Aries",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Taurus",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Gemini",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Cancer",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Leo",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Virgo",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Libra",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Scorpio",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Sagittarius",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Capricorn",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Aquarius",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Pisces",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "January",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "February",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "March",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "April",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "May",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "June",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "July",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "August",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "September",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "October",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "November",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "December",
        "")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Alaska/Hawaii Daylight Time,AHDT,-9.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Alaska/Hawaii Standard Time,AHST,-10.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Alaska/Hawaii War Time,AHWT,-9.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Atlantic Standard Time,AST,-4.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Atlantic War Time,AWT,-3.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Central Daylight Time,ACDT,+10.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Central Standard Time,ACST,+9.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Eastern Daylight Time,AEDT,+11.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Eastern Standard Time,AEST,+10.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Western Daylight Time,AWDT,+9.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Western Standard Time,AWST,+8.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Azores Time, AT, -2.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Baghdad Time, BAT, +3.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Bering Standard Time,BET,-11.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Brazil Zone 2,BZT2,-3.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "British Double Summer Time,BDST,+2.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "British Summer Time,BST,+1.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "British War Time,BWT,+2.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central Daylight Time,CDT,-5.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central European Daylight,CED,+2.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central European Time,CET,+1.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central Standard Time,CST,-6.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central War Time,CWT,-5.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "China Coast Time,CCT,+8.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern Daylight Time,EDT,-4.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern European Daylight Time,EED,+3.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern European Time,EET,+2.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern Standard Time,EST,-5.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern War Time,EWT,-4.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Greenwich Mean Time,GMT,0.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Guam Standard Time,GST,+10.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Hawaiian Daylight Time,HDT,-9.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Hawaiian Standard Time,HST,-10.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Hawaiian War Time,HWT,-9.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Indian Time, IST, +5.3",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Int'l Date Line East,IDLE,+12.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Int'l Date Line West,IDLW,-12.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Iran Time, IT, +3.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Japan Standard Time,JST,+9.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Java Time, JT, +7.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Middle European Daylight Time,MED,+2.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Middle European Time,MET,+1.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Moluccas Time, MT, +8.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Mountain Daylight Time,MDT,-6.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Mountain Standard Time,MST,-7.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Mountain War Time,MWT,-6.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Std Summer Time,NZST,+13.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Std Time,NZT,+12.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Summer Time,NZS,+12.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Time,NZ,+11.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Newfoundland Standard Time,NST,-3.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Nome Time, NT, -11.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "North Sumatra Time,NST,+6.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Pacific Daylight Time,PDT,-7.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Pacific Standard Time,PST,-8.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Pacific War Time,PWT,-7.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Australia Daylight Time,SAD,+10.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Australia Daylight Time,SDT,+10.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Australia Standard Time,SAST,+9.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Australia Standard Time,SAT,+9.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Sumatra Time,SST,+7.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Universal Time, UT, 0.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 10,UZ10,+11.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 3,USZ3,+4.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 4,USZ4,+5.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 5,USZ5,+6.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 6,USZ6,+7.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "West Africa Time,WAT,-1.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Yukon Daylight Time,YDT,-8.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Yukon Standard Time,YST,-9.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Yukon War Time,YWT,-8.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Alaska/Hawaii Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Alaska/Hawaii Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Alaska/Hawaii War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Atlantic Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Atlantic War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Central Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Central Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Eastern Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Eastern Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Western Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Western Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Azores Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Baghdad Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Bering Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Brazil Zone 2",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "British Double Summer Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "British Summer Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "British War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central European Daylight",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central European Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "China Coast Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern European Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern European Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Greenwich Mean Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Guam Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Hawaiian Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Hawaiian Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Hawaiian War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Indian Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Int'l Date Line East",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Int'l Date Line West",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Iran Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Japan Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Java Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Middle European Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Middle European Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Moluccas Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Mountain Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Mountain Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Mountain War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Std Summer Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Std Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Summer Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Newfoundland Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Nome Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "North Sumatra Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Pacific Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Pacific Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Pacific War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Australia Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Australia Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Sumatra Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Universal Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 10",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 3",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 4",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 5",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 6",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "West Africa Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Yukon Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Yukon Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Yukon War Time",
        "a zone's name, as a note names it")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Only Numbers Are Accepted",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter only Letters",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Name",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Value Between 0 And 179 in the Degree of Longitude",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Value Between 0 And 59 in the  Minute of Longitude",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Value Between 0 And 89 in the Degree of Latitude",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Value Between 0 And 59 in the  Minute of Latitude",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Correct Date Or Month!",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Correct Date Or Month !",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter City",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter State",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Country",
        "")},
    {"CoreLabels",
     QT_TRANSLATE_NOOP3("CoreLabels",
        "Join the Zodrivel discussion board: share your chart and ask other users "
        "about aspects.",
        "")},
    {"CoreLabels",
     QT_TRANSLATE_NOOP3("CoreLabels",
        "Home Business Opportunity. Start your own Internet business and make money "
        "online. Get this software fully branded for your website. Click here for "
        "more details.",
        "")},
    {"CoreLabels",
     QT_TRANSLATE_NOOP3("CoreLabels",
        "Co-brand this software for your site.  Increase loyalty and traffic to your "
        "site. Put your site's name &  link here. See \"Help\" for details.    Click "
        "Here for more info on co-branding.",
        "")},
    {"CoreLabels",
     QT_TRANSLATE_NOOP3("CoreLabels",
        "Zodrivel calculates the angular distance or aspects between different planets. "
        "Each aspect is associated with different characteristics or attributes that "
        "are reflected in an individual's personality. Know what aspects are present "
        "in your natal chart with this software!",
        "")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "%1 %2 %3",
        "a date: %1 day, %2 month name, %3 year")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "UT %1 %2",
        "%1 the date, %2 the time (hh:mm)")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "E",
        "east, after a longitude (74°00'E)")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "W",
        "west, after a longitude (74°00'W)")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "N",
        "north, after a latitude (40°43'N)")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "S",
        "south, after a latitude (40°43'S)")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "%1 (%2)",
        "a zone: %1 its name, %2 its abbreviation")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "%1, daylight saving",
        "%1 a zone, as \"Central European Time (CET)\"")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "Daylight saving is ticked, but %1 already includes it: the hour is taken "
        "off twice. Choose the standard-time zone, or untick daylight saving.",
        "%1 the zone's name")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "The zone %1 lies on the other side of Greenwich from a longitude of %2. "
        "Check the zone and the East/West choice.",
        "%1 the zone's name, %2 the longitude (74°00'W)")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "No Planet is present in this aspect.",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Report Generated By %1",
        "first and last line of the report: %1 the home page")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Name:",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Born:",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Place:",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Zone:",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Computed for:",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Model:",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Body",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Sign",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Position",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "House",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "(orb %1, applying)",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "(orb %1, separating)",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Page %1 of %2",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Classic (as in version 1.15)",
        "the model of the sky a chart was computed with")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Precise (Swiss Ephemeris)",
        "the model of the sky a chart was computed with")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Placidus",
        "a house system")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Koch",
        "a house system")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Equal",
        "a house system")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Whole Sign",
        "a house system")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Porphyry",
        "a house system")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Regiomontanus",
        "a house system")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Campanus",
        "a house system")},
};
// clang-format on

const std::size_t CoreTextCatalogueSize = std::size(CoreTextCatalogue);

}  // namespace zodrivel
