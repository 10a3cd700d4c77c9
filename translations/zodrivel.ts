<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>CoreAspectKinds</name>
    <message>
        <source>Conjunction</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard Aspect</source>
        <comment>category</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same Element / Same Quality/ Same Gender</source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Conjunction Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi Sextile</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Response</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soft Aspect</source>
        <comment>category</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Different element/ different quality/different gender</source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Semi-Sextile Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sextile</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opportunity</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complementary element/different quality/same gender</source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Sextile Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Irritation</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same quality/different element/different gender </source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Square Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trine</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy Flow</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same element/Different Quality/Same Gender</source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Trine Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quincunx</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjustment</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Different Element/Different Quality/Different Gender</source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Quincunx Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opposition</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflicts</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complementary Element/Same Quality/Same Gender</source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Opposition Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreBodies</name>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lilith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand Trine</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kite</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand Cross</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T-Square</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yod</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mystic Rectangle</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stellium</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreEntryMessages</name>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreLabels</name>
    <message>
        <source>Join the Zodrivel discussion board: share your chart and ask other users about aspects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zodrivel calculates the angular distance or aspects between different planets. Each aspect is associated with different characteristics or attributes that are reflected in an individual&apos;s personality. Know what aspects are present in your natal chart with this software!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreMonths</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreParagraphs</name>
    <message>
        <source>Your conscious will and your emotional needs pull in the same direction, which gives you an inner steadiness others sense at once. What you want and what you need are rarely at war, so you can act without second-guessing your heart, and home life and ambition tend to support each other. Because so little inside you argues, people whose wishes and feelings are divided may puzzle you; curiosity about them keeps you humble.</source>
        <comment>Sun-Moon:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thinking and being are closely joined in you: you speak from who you are, and your ideas carry the weight of your identity. You learn readily, explain yourself with ease and usually know your own mind. The gift has a blind spot, since an opinion can feel like part of you, so criticism of a view may sting as if it were aimed at your person. Learning to hold ideas a little more loosely turns a good mind into a wise one.</source>
        <comment>Sun-Mercury:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind runs a half-step apart from your sense of self, approaching life from a slightly different angle than your core purpose does. This can make you a useful observer of yourself, able to describe your own motives with some detachment. The awkwardness shows when words lag behind intent or race ahead of it; practising saying plainly what you mean, and meaning what you say, closes the gap over time.</source>
        <comment>Sun-Mercury:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charm comes naturally to you, and people tend to like you before they quite know why. You identify with beauty, comfort and good company, and you shine most where life is pleasant and relations are harmonious. Art, style or simple kindness may be central to how you express yourself. The shadow of so much ease is a reluctance to face conflict or drudgery; your grace gains substance when you let it carry real commitments.</source>
        <comment>Sun-Venus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will and drive work as a team in you, giving abundant energy, courage and a readiness to act on what you believe. You like a challenge and tend to meet it head-on, and physical activity restores you when little else does. Because action comes so easily, you may charge ahead before thinking, or underestimate how forceful you seem to others. Aimed at a worthy goal, this vitality can carry you and the people around you a long way.</source>
        <comment>Sun-Mars:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your drive and your sense of purpose are slightly out of step, like a motor tuned to a different speed than the vehicle it powers. You may start things with more or less force than the moment calls for, then have to correct course. Paying attention to timing, and noticing when irritation is really a sign that you want something, gradually teaches you to spend your energy exactly where it counts.</source>
        <comment>Sun-Mars:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optimism is part of your constitution: you tend to expect the best, and that expectation often helps bring it about. You are generous and broad-minded, drawn to growth through travel, study or belief, and luck seems to meet you halfway. The risk is overconfidence, whether promising too much, spending too freely, or assuming things will work out without effort. Your faith is a real gift when it is matched by follow-through.</source>
        <comment>Sun-Jupiter:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a serious streak and a natural respect for structure, and you grasped early that things worth having take time. Responsibility suits you, and others trust you to deliver. You build slowly but soundly, and your achievements tend to last and often improve with age. Watch that caution does not harden into rigidity or duty crowd out joy; let yourself enjoy the foundations you so carefully lay.</source>
        <comment>Sun-Saturn:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are unmistakably your own person, with an original mind and a need to live on your own terms. Ideas others find strange seem obvious to you, and you may be drawn to science, technology or reform. Change rarely frightens you; routine does. Your independence is a gift, though it can make you hard to pin down, so friendships and work thrive when your freedom comes with a measure of reliability.</source>
        <comment>Sun-Uranus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a poetic, sensitive nature and an open channel to imagination, music, spirituality or compassion. Your identity is soft at the edges, which lets you feel your way into other lives and other worlds, and artistic or healing work may call to you. Because your boundaries are porous, ground your dreams in practical steps, and remember that you do not have to absorb everyone&apos;s pain to be kind.</source>
        <comment>Sun-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have deep reserves of willpower and a gift for regeneration; when life breaks something, you rebuild it stronger. You are drawn to what lies beneath the surface, whether in psychology, research or crisis work, and people sense your intensity without being told. Power comes easily to you, so use it consciously and resist the urge to control; your strength is greatest when it serves transformation rather than dominance.</source>
        <comment>Sun-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your feelings and thoughts speak to each other easily, so you can put emotions into words and think with sensitivity. You remember details, read moods, and may have a gift for writing, conversation or teaching that reaches people. Because your mind follows your moods, your opinions can shift with how you feel; a moment&apos;s pause before speaking keeps your natural fluency fair and balanced.</source>
        <comment>Moon-Mercury:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind and your heart work from adjacent rooms; they can hear each other through the wall, but not always clearly. You may understand a feeling only after talking or writing about it, or find your thoughts carry an emotional tone you did not notice. Keeping a journal, or simply naming feelings as they arise, gradually strengthens the link between knowing and feeling.</source>
        <comment>Moon-Mercury:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affection comes easily to you, and you bring warmth, grace and comfort into your surroundings. People usually like you, and you have a knack for making them feel at home. Beauty and harmony soothe you, and you may have artistic taste or a gentle gift for relationships. The one risk is wanting to avoid anything unpleasant; the deepest love sometimes needs a difficult conversation, and you are able to have it kindly.</source>
        <comment>Moon-Venus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What comforts you and what you find beautiful are close neighbours but not the same thing, so you may need to fine-tune how you give and receive affection. Sometimes you want closeness and are offered charm, or the reverse. Learning your own emotional preferences, and asking gently for them, steadily refines your relationships and your sense of what truly nourishes you.</source>
        <comment>Moon-Venus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your emotions carry a strong, fiery current, and you act on feelings quickly and with courage. You protect the people you love fiercely and have the energy to fight for home, family and causes close to your heart. Your temper may flare, but it rarely lingers. Because instinct and action join so readily, taking one breath before you react lets you use that vigour wisely.</source>
        <comment>Moon-Mars:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a generous heart and an expansive emotional life, and people feel welcomed and lifted in your presence. Your instincts run optimistic and protective, and help often seems to arrive just when you need it. Home and family can be a source of real abundance. Guard against excess in eating, spending or promising, and your kindness will keep finding its way back to you.</source>
        <comment>Moon-Jupiter:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A dreamy quality touches your emotional life lightly, so you sometimes sense things you cannot explain or pick up moods that are not strictly your own. The effect is subtle and easy to dismiss. Paying attention to your dreams, hunches and the way places affect you sharpens this sensitivity into an inner guide you can trust.</source>
        <comment>Moon-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind and your sense of beauty work as one, giving you a graceful, diplomatic way with words and a taste for art, language and pleasant company. You tend to see the best in people and to say it kindly. Writing, design, singing or music may come easily. Your tact is a real gift, though it can tempt you to avoid hard truths; learn to be honest as well as charming and your words will carry weight.</source>
        <comment>Mercury-Venus:conjunction-trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have openings to turn charm into skill: a pleasant voice, a feel for words, a talent for negotiation or correspondence that grows the more you use it. Social contacts and creative study can open doors. The gift asks for some practice before it flourishes, but with a little effort your words become a source of pleasure for others and possibly of income for you.</source>
        <comment>Mercury-Venus:sextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind is quick, sharp and decisive, and you argue with energy and confidence. You think on your feet, grasp practical problems fast and enjoy a good debate. A feel for tools, machines or strategy may come naturally. The danger is speaking too fast or too bluntly; your words have force, so aim them with care and you will be a persuasive, effective communicator.</source>
        <comment>Mercury-Mars:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You think in large terms and enjoy ideas, philosophy, travel and learning of every kind. You tend to be an optimistic, persuasive speaker, good at seeing the big picture and explaining it to others, and writing, teaching or publishing may suit you. Take care with details, which your enthusiasm tends to skip, and your breadth of vision will serve you well.</source>
        <comment>Mercury-Jupiter:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind is careful, organised and thorough, and you think things through before you speak. You learn steadily and keep what you learn, and you may excel at research, planning or any work that demands precision. People trust your word. Guard against pessimism and excess caution; your sound judgement is at its best with a little playfulness mixed in.</source>
        <comment>Mercury-Saturn:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind is quick, inventive and original, often leaping to insights others reach only slowly. You may be drawn to technology, science or any field that rewards new ideas, and conversation with you is lively and full of surprises. Your challenge is patience with slower thinkers and with details; when you slow down enough to explain, your brilliance becomes useful to everyone.</source>
        <comment>Mercury-Uranus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind is imaginative and intuitive, with a gift for images, stories, music or poetry. You understand things by feeling your way into them and can put subtle impressions into words that move people. The weak spot is vagueness or forgetfulness over practical matters. Writing things down and checking facts lets your inspiration flow without losing its way.</source>
        <comment>Mercury-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your thoughts are tinged with imagination in ways you may not always notice, so facts and impressions can blur at the edges. This gives your mind a soft, intuitive quality that others find appealing. Clear notes, careful listening and a regular creative outlet sharpen that intuition and keep it trustworthy.</source>
        <comment>Mercury-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind is penetrating and perceptive, drawn to mysteries, hidden motives and the deeper layers of any subject. You could make an excellent researcher, investigator or therapist, and your words carry unusual weight. You persuade without raising your voice. Use that influence honestly, and your insight will help many people see what they could not see alone.</source>
        <comment>Mercury-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quiet investigative streak runs through your thinking, making you curious about what goes unsaid. You notice subtext that others miss without always knowing what to do with it. Slowly building the courage to ask probing questions, and the tact to ask them well, refines this into real depth of understanding.</source>
        <comment>Mercury-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You tend to be warm, sociable and generous, and good things often reach you through people: friends who open doors, partners who widen your world, a talent for art or hospitality that others value. You enjoy life&apos;s pleasures without guilt and share them gladly. The shadow is indulgence and a habit of coasting on goodwill. Your generosity is finest when you give it purpose and back it with care.</source>
        <comment>Venus-Jupiter:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love and duty are fused in you. You take relationships seriously, prefer loyalty to flirtation, and show affection through reliability more than grand gestures. Shyness or a sense of being hard to love may have marked your youth, and real contentment in partnership often comes later, or with someone older or more settled. Your affection matures like good wood. Let yourself enjoy pleasure without first feeling you must earn it.</source>
        <comment>Venus-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love and freedom are inseparable for you. You are drawn to unusual people, sudden attractions and partnerships that leave room to breathe, and your taste in art, dress or music is often ahead of its time. Conventional romance can bore you quickly. The more honestly you admit your need for space, the more easily you find partners who share it, and then excitement and closeness stop being rivals.</source>
        <comment>Venus-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You love intensely and loyally, seeking connection that reaches below the surface rather than pleasant company alone. There is a magnetic quality to you, and relationships tend to change both you and the other person profoundly. You may be drawn to art that explores desire, loss or renewal. Be aware of the pull you have on others; used generously it heals and deepens, while used to hold on it suffocates.</source>
        <comment>Venus-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A hidden intensity runs under your affections, surfacing now and then as a flash of jealousy or a wish for more depth than a friendship offers. These are quiet signals rather than storms. Listening to them, and saying honestly what you need instead of waiting to be guessed, gradually deepens both your relationships and your sense of your own worth.</source>
        <comment>Venus-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy and enthusiasm come to you in generous supply. You like sport, adventure and big projects, you recover quickly from setbacks, and your confidence tends to draw others in. Action taken in good faith seems to carry you further than expected. The one trap is overestimating your stamina or your luck; pacing yourself keeps this buoyant drive available for the long run.</source>
        <comment>Mars-Jupiter:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hope and realism work together in you, a blend that suits anything meant to last, whether a career, an institution or a family. You know when to expand and when to consolidate, and your plans tend to be both ambitious and sound. Since this contact is shared by people born within months of you, it speaks most personally through the houses it occupies. Trust your balance of faith and prudence; it brings steady success.</source>
        <comment>Jupiter-Saturn:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of opportunity and your sense of limitation are close neighbours that keep adjusting to each other. You may hesitate a beat too long, or leap a beat too soon. Shared with others born around the same time, this quiet contact asks for regular fine-tuning between risk and caution, and repays it with practical wisdom about timing.</source>
        <comment>Jupiter-Saturn:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a knack for lucky breaks, sudden openings and original ideas that lead somewhere. Freedom and growth go hand in hand for you, and travel, invention or unconventional beliefs may widen your world. This contact is shared by those born within months of you, so it shows most clearly through its houses and any link to your personal planets. Stay curious, and fortune often surprises you.</source>
        <comment>Jupiter-Uranus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a generous, idealistic and spiritual nature, with a vivid imagination and deep compassion. Religion, art, music, healing or charity may draw you, and you tend to believe in people. The aspect is shared by those born in the same season, so its personal weight comes through houses and links to your inner planets. Your faith is a gift; give it some practical grounding so dreams can become reality.</source>
        <comment>Jupiter-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambition and depth reinforce each other in you, giving a capacity to gain influence, resources or expertise through persistent, focused effort. You grasp how systems work beneath the surface and can help transform them. Because people born within months of you share this contact, it matters most through its houses and inner-planet links. Use your influence ethically and it can change the world around you.</source>
        <comment>Jupiter-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everyone born from roughly the late 1980s through the 1990s shares this rare fusion of freedom and imagination, which returns only about every 170 years. It marks a generation shaped by digital worlds, virtual connection and a blurring of the real and the imagined. In your own chart it matters through its house and any links to personal planets, showing where you can dream up new forms for society and spirit.</source>
        <comment>Uranus-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared by your entire generation, this easy link between innovation and imagination lends a natural openness to new spiritual ideas, artistic experiment and technologies that widen awareness. On its own it is background climate. It becomes personal through its houses and wherever it contacts your inner planets, showing where intuition and originality work together for you without strain.</source>
        <comment>Uranus-Neptune:sextile-trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This easy contact between freedom and transformation belongs to your entire generation, lending a talent for constructive reform and for technological or psychological innovation. On its own it describes a collective climate rather than a personal trait. Through its houses and any links to your inner planets, it shows where you can bring about deep change with comparatively little resistance.</source>
        <comment>Uranus-Pluto:sextile-trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This extremely rare conjunction, occurring roughly every 500 years and last formed in the early 1890s, belongs to an entire era rather than a single generation. It marks the seeding of a new cycle of collective imagination and transformation. For you as an individual it counts only where it falls by house or meets a personal planet; there you may sense deep undercurrents of change in belief and vision.</source>
        <comment>Neptune-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This long, harmonious contact between imagination and deep transformation is shared by whole generations, so it says more about the age you were born into than about you alone. It suggests a collective capacity for spiritual renewal and healing. It becomes personal through houses and any contact to your inner planets, where insight, compassion and the power to regenerate may come to you naturally.</source>
        <comment>Neptune-Pluto:sextile-trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The purpose you are growing into and the habits you fall back on sit in neighbouring signs, close but not quite matched. Day to day this shows as a mismatch between what you set out to do and what you feel like doing, an itch rather than a crisis. Honest check-ins with yourself, asking what you need before deciding what you want, build a practical self-knowledge that few people bother to acquire.</source>
        <comment>Sun-Moon:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you value sits just beside who you are, so pleasure and purpose need some translation before they meet. You may notice that the things you enjoy and the life you are building do not obviously connect. With attention, everyday choices, such as bringing beauty into your workplace or warmth into your daily effort, let love and identity grow into one another.</source>
        <comment>Sun-Venus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hopes and your identity run on parallel tracks that do not quite touch, so opportunities tend to appear off to one side of your main path. You may have to stretch to notice them, or to believe they are meant for you. A habit of saying yes to the unfamiliar, and of learning from each step, widens your world and your confidence together.</source>
        <comment>Sun-Jupiter:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sense of obligation trails your self-expression, as though you need permission before fully shining. It is not heavy, but it keeps asking whether your efforts are sound. Over time this becomes a useful discipline: regular commitments that mature into competence, and an ability to take yourself seriously without losing your warmth.</source>
        <comment>Sun-Saturn:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A streak of unpredictability runs alongside your steadier purpose, showing up as surprises: a sudden change of plan, an unexpected interest, an odd solution that works. You may not always know what to do with these impulses. Giving them a regular outlet, such as an experimental hobby or a role that rewards fresh thinking, lets your originality grow without unsettling the rest of your life.</source>
        <comment>Sun-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your dreams sit close to your sense of self without quite merging, so you catch glimpses of ideals you are not yet sure how to live. At times you are unsure of your direction, with a feeling of drifting. A regular creative or contemplative practice, kept simple and consistent, gives those glimpses a shape and clarifies, year by year, what you really want.</source>
        <comment>Sun-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beneath your everyday self runs an intensity you may only notice under pressure. Recurring crises ask you to shed an old role or attitude, and each time you do, you grow more substantial. Paying attention to what you cling to, and why, gives you a steady, unforced kind of power.</source>
        <comment>Sun-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your feelings and your impulses are out of step, so irritation can rise from needs you have not yet named. You may snap when you are really tired, hungry or longing for care. Noticing the first stirrings of annoyance and asking what you need puts that energy to use, and makes you both gentler and more effective.</source>
        <comment>Moon-Mars:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your need for security and your hunger for growth sit side by side, each nudging the other. You may feel restless when life is too comfortable and uneasy when it expands too fast. Experiments such as opening your home to new people or taking short trips stretch your comfort zone at a pace you can sustain, and let your generosity grow with it.</source>
        <comment>Moon-Jupiter:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feeling and duty are closely joined in you. You tend to be emotionally steady, practical and dependable, taking your responsibilities to family and home seriously, and others lean on you in hard moments. The same bond can make feelings seem a burden to be managed, and you may have learned early to keep your needs to yourself. Letting people care for you, rather than only caring for them, softens that reserve and deepens your strength.</source>
        <comment>Moon-Saturn:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A reserve colours your emotional life, as though you check whether a feeling is allowed before letting it show. The caution can be useful, giving you composure under pressure, though it may also keep people at arm&apos;s length. Allowing moments of vulnerability with people you trust teaches you that security and openness can live in the same house.</source>
        <comment>Moon-Saturn:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need emotional freedom and thrive on variety and surprise. Your instincts are quick and sometimes startlingly accurate, your moods can change abruptly, and you may have an unconventional home life or an unusual bond with your mother. You bring a spark into people&apos;s lives. Because you value space so highly, those close to you may need reassurance that your independence is not indifference.</source>
        <comment>Moon-Uranus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restlessness stirs beneath your emotional routines, making you occasionally want to shake up your home, your habits or your closest ties. The urges rarely amount to upheaval, but they persist. Honouring them in manageable ways, by rearranging a room, trying a new ritual or taking time alone, keeps your inner life fresh without unsettling the people you care about.</source>
        <comment>Moon-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undercurrents move through your feelings, and you may sense the emotional truth of a situation before anyone speaks it. Acts of letting go are asked of you again and again: old habits, grudges, attachments. Each one you release leaves you lighter and more perceptive, and over the years this becomes a steady emotional wisdom.</source>
        <comment>Moon-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your thinking and your taste are near neighbours, so occasionally what sounds right does not feel right, or a feeling you love will not come out in words. Adjustments of tone, such as softening a blunt remark or making a vague compliment specific, gradually refine both your speech and your relationships.</source>
        <comment>Mercury-Venus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your thoughts and your actions are a touch out of sync, so you may act before thinking, or think of the perfect reply long after the moment has passed. An edge can creep into how you speak when you feel rushed. Practising short pauses, and matching your words to your deeds, sharpens both your judgement and your timing.</source>
        <comment>Mercury-Mars:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your practical mind and your wider beliefs are close neighbours that do not always talk to each other. You might gather facts without seeing their meaning, or hold big ideas without the details to back them. Daily efforts to connect the two, such as reading widely and noting what each thing taught you, build a mind both informed and wise.</source>
        <comment>Mercury-Jupiter:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A self-consciousness accompanies your thinking, so you tend to check your words or doubt your ideas before sharing them. This can slow you down, but it also breeds precision. Regular practice, whether writing, studying or speaking up in groups you trust, gives you a measured authority and the confidence to use it.</source>
        <comment>Mercury-Saturn:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flashes of unusual insight sometimes interrupt your ordinary thinking, and you may not know at once how to use them. You can feel out of step with how others reason. Keeping a notebook for sudden ideas, and testing them calmly later, develops this into a distinctive and dependable originality.</source>
        <comment>Mercury-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desire and affection are closely linked in you, so you can want someone and like them at the same time, which is rarer than it sounds. You have warmth, physical charm and a strong appetite for life, and your creative work often carries a sensual, energetic quality. Attraction can run hot, at times impatient or hard to contain. Your magnetism means most when you put it behind a bond you choose to keep.</source>
        <comment>Venus-Mars:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What draws you and what you actually enjoy once you have it are close cousins, not twins. You may pursue someone and then find you wanted gentleness more than conquest, or wait politely when a bolder move was called for. Paying attention to these misfires, and adjusting pace and approach in love, gives you a well-timed, grown-up kind of passion.</source>
        <comment>Venus-Mars:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your appetite for pleasure and your wish to grow sit side by side, each tugging at the other. One month you may spend too freely on comfort, the next hold back from a generosity that would have been wise. Noticing these swings without judgement, and asking whether a pleasure actually enlarges your life, teaches you a relaxed and gracious kind of abundance.</source>
        <comment>Venus-Jupiter:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caution tempers your affections; you like to be sure of someone before you let them matter. This reserve often protects you from hasty choices, though it can make you seem cooler than you feel. Offering trust in deliberate steps, and noticing when prudence has quietly become fear, helps you build relationships that are both safe and warm.</source>
        <comment>Venus-Saturn:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A flicker of the unexpected runs through your affections: sudden likes, unexplained dislikes, a taste for the offbeat. You may need more room in love than you usually admit. Saying so openly, and building surprises and shared novelties into your relationships, keeps them fresh without turning them upside down.</source>
        <comment>Venus-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romantic ideals shimmer behind your affections, so you may expect more magic from love than daily life supplies. The gap is steady, a low hum of longing. Letting art, music and beauty carry part of that longing, while appreciating real people as they are, brings your ideals and your relationships closer each year.</source>
        <comment>Venus-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your drive and your convictions are out of tune, so you may pour effort into the wrong goal or lose steam once the aim grows vague; the mismatch is often noticed only in hindsight. Checking now and then that what you are doing serves what you believe in gives your enthusiasm a steady aim.</source>
        <comment>Mars-Jupiter:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive and restraint are closely bound in you. At best they cooperate, so you can work hard, long and steadily, and do well at tasks that need stamina, skill or careful timing, from craftsmanship to engineering to endurance sport. You may also feel blocked at times, as if your energy must pass a strict inspector before it may move. Respecting that caution without letting it harden into harshness, toward yourself or others, makes your strength last.</source>
        <comment>Mars-Saturn:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks keep meeting your impulses, as if something inside asks you to wait and plan before you move. It can feel like driving with the handbrake half on, and it may irritate you. Learning to pace yourself, and to use the pause rather than fight it, gives you remarkable precision and an energy that lasts.</source>
        <comment>Mars-Saturn:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now and then a sudden impulse cuts across your plans: an urge to quit, to change direction, to try something wildly different. These jolts rarely upend your life, but they are real, and they can leave you restless. Noticing them, and giving them a safe channel such as experiment, movement or a side project, makes you more adventurous without making you reckless.</source>
        <comment>Mars-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your energy is moved by ideals, compassion or imagination, and you act most wholeheartedly for causes or creative visions larger than yourself. Dance, music, film, swimming and caring work may suit you. The same link can blur your drive, so energy may ebb without clear reason or go to causes that prove less than they seemed. Anchoring your dreams in concrete goals, and resting when you need to, lets your gentle strength go far.</source>
        <comment>Mars-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your drive is sometimes softened or scattered by a dreamy undertow, so you may start with conviction and then lose sight of what you wanted. Mostly it is a matter of focus and fluctuating energy. Writing your aims down step by step, and guarding your rest, brings inspiration and action into step.</source>
        <comment>Mars-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have great reserves of willpower and stamina, and you can keep going long after others have quit. Your energy is focused and intense, and you may be drawn to demanding fields such as surgery, research, rescue work or competitive sport; you come into your own in a crisis. Such force can turn ruthless when you feel cornered, so use it consciously, and it will bring remarkable achievements.</source>
        <comment>Mars-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An undercurrent of intensity fuels your actions, surfacing now and then as stubbornness or an urge to win every contest, however trivial. It is a pressure that is easy to overlook. Noticing when you are driven rather than choosing, and redirecting that force on purpose, develops a deep and steady determination.</source>
        <comment>Mars-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected openings appear at the edges of your life, and you need to pay attention to catch them. This contact, common to your whole age cohort, rewards curiosity and a willingness to experiment with your beliefs and plans. Over time those experiments add up to a broader and more independent outlook.</source>
        <comment>Jupiter-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An idealism colours your hopes, so you may sometimes expect more from life or people than they can give. Shared by your age cohort, this contact asks for repeated adjustments between faith and fact, and repays them with a mature, compassionate outlook that is neither naive nor cynical.</source>
        <comment>Jupiter-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quiet urge for deeper growth runs through your ambitions, encouraging you to look beneath surfaces before committing. Shared with your age cohort, this contact develops through attention to how you use influence and resources, and rewards that attention with a steady, well-founded sense of purpose.</source>
        <comment>Jupiter-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared by people born within a year or so of you, this contact links the wish to preserve with the urge to renew. In daily life it may show as a tension between routine and restlessness, security and experiment. Where it touches your personal planets, regular updates to your habits and structures keep you from either stagnating or tearing everything down.</source>
        <comment>Saturn-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Like most contacts between the slow planets, this one belongs to your whole age group more than to you alone, and the link between realism and idealism it describes rarely makes itself felt. It may show as unease when life becomes too practical or too dreamy. Where it touches your own planets, taking concrete steps toward an inspiring aim, and letting some mystery into your duties, strengthens both sides over time.</source>
        <comment>Saturn-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared by everyone born over several years around you, this link between the urge for change and the longing for the ideal rarely tells a personal story on its own. Where it touches your own inner planets, it asks for practical ways of turning inspiration into innovation, and rewards you with a quietly visionary outlook.</source>
        <comment>Uranus-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared by everyone born within several years of you, this link between sudden change and deep transformation rarely speaks on its own. Where it touches your personal planets, it may appear as periodic urges to overhaul some corner of your life. Attending to them consciously, rather than waiting for a crisis to force the issue, lets you grow through steady renewal.</source>
        <comment>Uranus-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This rare opposition belongs to those born from 1901 to about 1905 and again from the early 2040s on, and speaks of a collective confrontation between the push for freedom and entrenched power. Those born under it face a world where revolution meets resistance. Where it touches your personal planets, these forces tend to reach you through other people, who act out what you have not yet claimed. Seeking balance lets that conflict become transformation.</source>
        <comment>Uranus-Pluto:opposition</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This link between imagination and transformation belongs to everyone born from about 1914 to 1919, a generation that arrived amid war and pandemic, so it is collective background rather than personal story. Where it touches your own planets, shifts in your ideals and deepest values may ask for conscious adjustment, gradually deepening your spiritual outlook.</source>
        <comment>Neptune-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Being yourself and being liked pull against each other. Where the clash is open, you give way to keep the peace and resent it later, or a partner holds all the charm while you carry all the effort. Where it runs inward, you keep polishing how you come across, checking each outfit, message and smile for approval. Your warmth grows convincing once you please yourself first and let others like what they find.</source>
        <comment>Sun-Venus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shining and being judged arrive together for you, as if every effort were marked by an examiner in the back row. Bosses, officials and older people can bar the way as the outward face of that examiner. The inner version is a nagging rule that nothing is good enough to show yet. Slow, well-made work answers both, and the authority you build step by step is one you no longer wait for others to grant.</source>
        <comment>Sun-Saturn:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your outline blurs easily: you become whoever the room expects and then wonder where you went. Others may deceive you, or hand you a dream that is really theirs, and disappointment follows. In quieter moments you may want to vanish a little, into fantasy, screens or self-sacrifice, whenever your real self feels too plain. Promises kept, honest friends and an art you practise give your vision firm edges.</source>
        <comment>Sun-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You hold your ground as if everything depended on it, and power tends to become the hidden subject of your relationships. Authorities, partners or rivals can meet you head-on, each testing who gives way first, and some of them wield a strength you have not yet claimed as your own. Alone, you may guard against being known, hunting out every weakness before anyone else can find it. Letting one trusted person see you whole gives you an authority no one can take.</source>
        <comment>Sun-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your moods change as fast as mountain weather: close one day, needing air the next. Early home life may have been unsettled, and partners can keep their distance as if acting out your wish for space, or crowd you just when you need it most. Deep down there can be a reflex to leave before you are left. Closeness that includes freedom, with people who do not take your need for air as rejection, lets you stay when feelings run high.</source>
        <comment>Moon-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your emotional sensitivity is profound: you absorb atmospheres, feel others&apos; pain and respond with deep compassion. Imagination, music, dreams and spiritual life nourish you. Being so porous has a price: you may come home carrying a stranger&apos;s sadness, say yes to every plea for help, or drift into daydreams while a bill or a hard talk waits. Time alone and clear boundaries keep your empathy a healing presence.</source>
        <comment>Moon-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your emotions run deep and strong, and you feel things with an intensity others may never see. You have a gift for emotional healing, your own and other people&apos;s, and can face a crisis with unusual courage. The same depth has a shadow: you may nurse a grudge for years, test a partner&apos;s loyalty in silence, or feel jealous long before you admit that you care. Let your strength include trust; you do not need to control every feeling for it to be safe.</source>
        <comment>Moon-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your words come out with an edge, and a discussion can become a contest before you notice. Opponents may say, rudely, exactly what you were thinking, and deadlines and quarrels tend to arrive together. The argument can go on in your head after everyone has left, as you sharpen the reply you did not make. Listening to the end before answering gives you a mind for debate and problem-solving that is hard to beat.</source>
        <comment>Mercury-Mars:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In love and pleasure more always looks better, so the bill, the plate or the hopes placed on a partner grow larger than anyone can meet. Lavish friends can mirror your excess back to you, and disappointment follows when real life is smaller than the dream. When a day feels thin, you may reach for one more treat almost without noticing. Once you find that enough can be a feast, your large heart and good taste serve you well.</source>
        <comment>Venus-Jupiter:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your affections have a cool, clear-headed streak, so love rests on friendship and respect as much as on feeling. You want a bond with a shape you can rely on and room to be yourself inside it, and your taste in beauty is distinctly your own. Partners tend to find you loyal without being possessive. Like every easy gift, this one needs using: it serves you best when you choose your bonds deliberately rather than let them drift.</source>
        <comment>Venus-Saturn-Uranus:sextile-trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can fall in love with a person&apos;s potential, rescue someone who never asked, or give until your own cupboard is bare. Partners may embody your ideal until the dream dissolves, and money can slip through loose boundaries. Longing can become a habit of its own, always for the one who is not here. Your compassion and artistic feeling are rare; seeing people clearly lets your devotion be received.</source>
        <comment>Venus-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every time you push, something pushes back. A harsh authority may have shaped your first lessons in effort, and bosses, rules or slow paperwork can still block the road. Anger may be held in until it sets hard, then let out all at once. This friction forges exceptional endurance; steady, structured work and honest outlets for frustration build a mastery that lasts.</source>
        <comment>Mars-Saturn:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You act with daring and originality, quick to seize a new opportunity or a new method. Routine bores you but an emergency wakes you up, and you often do your best work in sudden bursts. The shadow is impatience: you may quit a job on the spot, take the risky shortcut, or drop a project the moment it turns dull. Your inventive courage is a gift, as long as you leave a margin of safety for yourself and those around you.</source>
        <comment>Mars-Uranus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freedom and luck tempt you toward the sudden leap: the job quit on a hunch, the move across the world, the scheme that promises everything at once. Reversals of fortune and restless companions can come with it. An itch to reinvent your beliefs may return whenever they settle. Shared by many people born in the same year, this restlessness takes its personal shape from your houses; testing new ideas before leaping lets your originality pay.</source>
        <comment>Jupiter-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dreams and discipline work together in this contact, which you share with your age group. At its best it lets a generation build ideals into lasting forms, such as hospitals, charities or films. Its harder side is doubt: a structure you trusted can lose its meaning, and a hope has to prove itself in practice before you lean on it. Where it links to your personal planets, you may give imagination a practical shape and serve others with patience and realism.</source>
        <comment>Saturn-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reality and ideals strain against each other in this aspect, a mark of your age group, whose formative years may have seen dreams dissolve or institutions quietly erode. Where it touches your personal planets, others may play the dreamer or the cynic for you, or you may carry a private unease that nothing solid will last. Patient effort to give one vision real form shows you that faith and realism can work together.</source>
        <comment>Saturn-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This aspect, shared by everyone born over a span of years around you, reflects a generation caught between radical change and spiritual longing, between the protest march and the retreat from the world. Where it touches your personal planets, you may feel torn between freedom and surrender, or meet one side of the conflict in the people and causes you are drawn to. Letting each side temper the other gives you a rare, grounded idealism.</source>
        <comment>Uranus-Neptune:square-opposition</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common to your whole age group, this uneasy contact pairs the urge to break free with the urge to dissolve into something greater, two drives with little natural understanding of each other. Where it touches your personal planets, it works inwardly, as a restless search: a new cause or practice taken up with fervour, then dropped when it fails to change everything. Seeing the pattern lets you choose one vision and give it time.</source>
        <comment>Uranus-Neptune:quincunx</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most people born between September 1961 and August 1970 share this fusion of revolution and transformation, which returns only after more than a century. Your generation arrived amid upheaval and carries an instinct for radical change, from technology to social and sexual norms. On its own it describes the times; its house and any contacts to your inner planets show where you personally are called to break and remake the old.</source>
        <comment>Uranus-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heavy pressures mark this aspect, which your generation shares: many born in these years arrive amid hardship, rigid authority or the collapse of established orders. Where it touches your personal planets, you may meet in others the control you hold back, or carry an inner need to brace for the worst before it comes. Yet few aspects build such strength. Facing fear directly and owning your power let endurance become lasting achievement.</source>
        <comment>Saturn-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your will and your needs keep different clocks: what you aim for and what soothes you rarely agree on the same evening. Out in the open the quarrel is often with a partner or parent who wants the quiet life you keep postponing, or the ambition you hold back. Turned inward, the quarrel can become a habit of never resting, as if comfort had to be earned again. Peace comes from plans that feed both: goals with room for home, and a home with room for goals.</source>
        <comment>Sun-Moon:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your words and your purpose keep missing each other: you explain yourself and hear the explanation come out wrong, or argue for a view you do not really hold. Other people tend to pick holes in your reasoning just where you are least sure. Inside, the loop is rehearsal: conversations replayed late at night, a message drafted five times. Saying the simple version first, and letting it stand, lets your mind speak for you instead of auditing you.</source>
        <comment>Sun-Mercury:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your will runs hot and pushes before it asks. In the open this means collisions: the rival at work, the neighbour over the fence, arguments you never planned to start, often with people who show the very force you deny in yourself. With no outlet, the heat can turn into a drive you cannot switch off, proving yourself in every queue and every game. Sport, hard physical work and anger spoken early and plainly give this fire a clean hearth.</source>
        <comment>Sun-Mars:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of self keeps outgrowing its clothes: the plan gets bigger than the week, the promise bigger than the purse. Teachers, authorities and confident strangers make natural sparring partners, each claiming a larger truth than yours. Privately the pull is toward more: one more course, one more project, a restless feeling that real life starts after the next step. Faith pays off when you measure it against what you can finish this year.</source>
        <comment>Sun-Jupiter:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You want to become someone and to stay free of any fixed self, so plans can break off just as they settle. In the open this brings sudden exits, clashes with anyone who rules by decree, and companions who rebel so loudly that your own urge looks tame. Kept inside, the same urge can run as a compulsion to rearrange your life whenever it feels finished. Independence ripens when you stay with something long enough to change it from inside.</source>
        <comment>Sun-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head and heart keep interrupting each other: you explain a feeling away, or a mood steers a decision it should not touch. People close to you can argue the other side, cool when you are hurt or hurt when you are cool. Worry likes to narrate, running the same story in circles until it sounds like fact. Writing a feeling down before you talk it over lets the two halves finally hear each other.</source>
        <comment>Moon-Mercury:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What comforts you and what charms you are different things, so you may love what does not nourish you and be nourished by what bores you. Relationships can carry the split: a partner who delights but never quite looks after you, or one who looks after you and never delights. Left alone, the gap can become a habit of buying something pretty whenever you feel unloved. Learning what truly feeds you lets affection and contentment share one table.</source>
        <comment>Moon-Venus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hurt becomes heat quickly in you, and you may strike before you know what you feel. Family rows, a temper met again in the people who provoke you, doors slammed and regretted: often the clash is out in the open. At other times anger smoulders inside, a grievance rehearsed long after the moment has passed. Saying early and plainly that something hurt, without a weapon in the sentence, lets your quickness protect the people you love instead of wounding them.</source>
        <comment>Moon-Mars:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your feelings run large, and enough rarely feels like enough: one more helping, one more guest, one more promise. You can attract people whose needs dwarf your own, or clash with those who call your generosity excess. There can also be a quiet compulsion to provide, to fill every silence with giving. Finding your own measure lets a big heart warm the room instead of flooding it.</source>
        <comment>Moon-Jupiter:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feeling and duty sit in the same chair, and duty usually wins. You may have learned early that your needs were a burden, and partners or family can appear cold just where you hold back warmth yourself. Within, the strain can run as a strict habit of self-sufficiency: coping alone, tidying emotion away, refusing help before it is offered. Letting yourself be looked after, in small ways first, makes your great reliability warm as well as strong.</source>
        <comment>Moon-Saturn:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your emotional skin is thin, and other people&apos;s moods pass through it as if they were your own. You may idealise someone and feel betrayed when they turn out human, or be drawn to those who need saving. In private there can be a pull to withdraw, into music, old films or a long retreat from whatever feels harsh. Caring without merging, and knowing which feelings are yours, makes your sensitivity a steady compassion.</source>
        <comment>Moon-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your feelings go all the way down, and attachment can feel like a matter of survival. Your bond with your mother or family may have been intense or marked by upheaval. In adult love, power can slip in as jealousy, silent tests of loyalty, or a partner who voices the feelings you bury. An old hurt can keep replaying, dug up again each time it starts to heal. Honest work with what you feel releases a deep, healing strength.</source>
        <comment>Moon-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind and your tastes argue quietly: you say what pleases rather than what you mean, or cannot explain why you like what you like. Talk of love or money can turn awkward, and blunt people may say aloud what you only hint at. On your own you may polish a compliment or an apology until it says nothing at all. Choosing honesty first and charm second gives your words a grace that is also true.</source>
        <comment>Mercury-Venus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can take in more ideas than you can digest and promise more than the calendar allows. You may clash with preachers of every kind, and with know-alls who remind you of yourself, while details slip as you argue the big picture. The private hunger is for the next book, the next course, the answer that will explain everything. Checking one belief at a time against the facts gives your generous mind an accuracy to match its reach.</source>
        <comment>Mercury-Jupiter:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may have felt early on that you were not clever enough, or that nobody was listening. Critics and examiners can voice your own inner judge, and under pressure your views may harden into a defensive no. That judge seldom rests: every sentence is weighed before it is spoken, every slip remembered. Yet the same mind has rare concentration, and knowledge earned the hard way lends you a quiet authority.</source>
        <comment>Mercury-Saturn:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind moves in sparks, and sometimes the sparks land on other people. You can be contrary for its own sake, meet people just as contrary, or blurt out a truth that was not yours to tell. Your thoughts can race ahead of you, jumping from plan to plan without finishing any. A steady routine, and real curiosity about views you did not think of first, let your inventiveness reach others.</source>
        <comment>Mercury-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facts and feelings blur in your thinking, so a clear message can arrive cloudy and a vague promise can sound like a plan. Persuasive people may mislead you, or you may mislead others without meaning to. Left to itself the mind drifts, filling gaps with what you wish were true and putting off the letter you dread opening. Checking facts, asking plain questions and giving your fantasies a creative home make your intuition something others can trust.</source>
        <comment>Mercury-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind goes looking for what is hidden and rarely stops at the surface. Conversations can become contests over who knows more, and you may suspect others of manipulation, sometimes rightly, sometimes when it is your own wish to steer the talk. A single thought can grip you until you have turned it over a hundred times. Honest speech, and a readiness to be changed by what you learn, put this depth to good use.</source>
        <comment>Mercury-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attraction arrives with friction: you are drawn to people you argue with, and closeness can feel like a contest of wills. In a couple one of you may do all the pursuing and the other all the tending, and the roles can swap without warning. Beneath it can run a compulsive pattern of chasing whoever resists and cooling toward whoever is offered. Asking plainly for what you want, and hearing a no without injury, keeps passion alive and kind.</source>
        <comment>Venus-Mars:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love may have felt like something you had to earn. You may hold back affection for fear of rejection, accept a relationship run on duty, or judge your looks and worth harshly; partners can look cold when they echo your own doubts. Somewhere in you a ledger may run nonstop, counting what you give and what you are owed. Hard as it is, this strain teaches what commitment means, and self-worth built slowly from within can draw love that deepens with age.</source>
        <comment>Venus-Saturn:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love can strike like lightning for you and leave as fast. You may fall for people who are unavailable, far away or unconventional, partners who act out a need for freedom that is really yours. You may want to bolt just as closeness starts to feel real. Telling true independence apart from a fear of being trapped lets you build bonds that are lively, honest and able to survive change.</source>
        <comment>Venus-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a refined, romantic and compassionate nature, with a strong response to music, film, poetry and anything that lifts ordinary life toward the ideal. Love has a spiritual tinge for you. The shadow is a soft-focus lens: you may overlook a warning sign, lend what you cannot spare, or wait for someone to become the person you imagined. Keep your heart open and your eyes clear, and your devotion can land where it belongs.</source>
        <comment>Venus-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love can become all or nothing for you, bringing jealousy, possessiveness or bonds in which power is quietly traded. You may attract partners who hold the intensity you fear in yourself, and an ending can feel like losing part of who you are. In secret, desire can fix on one person and keep circling back long after the bond is over. As you learn that you are worth loving without being needed, passion heals rather than grasps.</source>
        <comment>Venus-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You act big and fast: too many commitments, the risky bet, the cause pursued without hearing the other side. Rules and officials may provoke you, and rivals can match your zeal. You may also feel compelled to go one step further, taking on the extra task no one asked for until you run out of steam. Planning and a sense of limits let your zeal achieve what cautious people only talk about.</source>
        <comment>Mars-Jupiter:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You move on impulse and bristle at any constraint, so quarrels, walkouts and abrupt changes tend to follow you. Headstrong people can cross your path at the worst moment and strike the same spark of impatience in you. The urge to act now can feel irresistible, a restlessness that wants to break something just to feel free. A breath before acting, and rebelling for something rather than against everything, keep your courage useful and the people around you safe.</source>
        <comment>Mars-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asserting yourself directly can feel wrong, so you may act from guilt, confusion or an ideal that turns out to be a mirage. Conflict you avoid may come back sideways, and others can act out the anger you disown. Energy can leak into doubt and second thoughts, or into quiet escapes that leave the real task undone. Naming what you want plainly, within clear limits, gives your compassion and imagination a direction.</source>
        <comment>Mars-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your will is formidable and can turn ruthless under pressure. Power struggles, explosive anger or risky situations can mark your path, and forceful people may challenge you where you hold your own strength back. At its most private, the drive can become a compulsion to win at any cost, to go on fighting long after the fight is over. Choosing your battles, and acting with open eyes, let this force rebuild rather than destroy.</source>
        <comment>Mars-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hope and caution take turns at the wheel: big plans, then sudden clamp-downs, and colleagues who are all caution or all hope. Careers can move in stop-start phases. In private you may second-guess each step, unable either to commit to a risk or to let it go. Many people born within the same year or so share this tension; your houses and personal planets show where it bites. Growth in steady stages gives you a fine sense of timing.</source>
        <comment>Jupiter-Saturn:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faith can outrun fact: you may over-promise, trust a charming guru, or back a plan because it sounds beautiful. Prophets and salespeople can find in you an eager listener when they echo your own longing. Hope can also become a compulsion to believe, a way of looking away from the numbers. Many of your contemporaries share this tension; your houses and personal planets show where it plays out. Practical checks let your vision inspire rather than mislead.</source>
        <comment>Jupiter-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambition can swell until it wants all or nothing: power struggles with authorities, success pursued relentlessly, convictions held without a doubt. Powerful people may stand in your way as if they carried your own hunger for influence. Underneath runs a drive to control the outcome, never satisfied with enough. This drive is common to many born around your year and becomes personal through your houses; ethics and humility give it lasting, constructive force.</source>
        <comment>Jupiter-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This contact, shared by many born within a year or two of you, links the wish to preserve with the urge to renew. It can give a practical inventiveness and a talent for reforming institutions from within. The link is not always comfortable: you may defend a custom you no longer believe in, or push a reform before anyone is ready for it. Where it touches your personal planets, you can be both innovator and the one who makes things last.</source>
        <comment>Saturn-Uranus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old and new collide in this aspect, which you share with many born within a year or two of you; your generation is marked by a pull between tradition and reform. Where it touches your personal planets, you may meet the conflict in people who defend every rule or break every one, or live it as a private seesaw: clinging to routine, then tearing it up. The growth lies in becoming a bridge, changing things deliberately and letting structures evolve.</source>
        <comment>Saturn-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared by your whole age group, this contact links structure with the power to tear down and rebuild. It lends endurance, deep concentration and a talent for restoring what has broken. It can also weigh on you: duty can feel like a load carried alone, and power is something you approach sternly and guard closely. Where it touches your personal planets, you may find great staying power in a crisis and an aptitude for long, serious undertakings.</source>
        <comment>Saturn-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Many people born within a few months of you share this aspect, a thread between structure and deep change. It may surface as a sense that the rules you live by need renewing from time to time. Where it contacts your personal planets, heeding that sense, and letting worn-out commitments go gracefully, builds a durable resilience.</source>
        <comment>Saturn-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your generation shares this forceful tension between the urge for freedom and the pressure of deep transformation. Many born from 1929 to 1937 or from 2007 to 2019 have it, and nearly all born from 1931 to 1935 or from 2010 to 2016. It speaks of crisis and the need to reshape society. Where it touches your inner planets, you may feel driven to break structures or meet sudden change; worked through consciously, it can make you an agent of renewal.</source>
        <comment>Uranus-Pluto:square</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your whole age group carries this strained link between change and transformation, and with it a sense of being driven by forces no one fully understands. Where it touches your personal planets, upheaval tends to work from within rather than head-on: an urge to overhaul your life that returns whenever things grow settled, like an itch you cannot reach. Knowing the urge for what it is lets you renew one corner at a time.</source>
        <comment>Uranus-Pluto:quincunx</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This rare tension between ideals and transforming power is shared by everyone born across several decades. It speaks of a collective struggle between dream and disillusion, faith and upheaval, often lived out between groups that each see the other as the threat. It becomes personal only where it touches your personal planets or a house. There it may bring a loss of belief, a slow inner reckoning and a rebirth, and teach you to hold vision and reality together.</source>
        <comment>Neptune-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreReport</name>
    <message>
        <source>No Planet is present in this aspect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <comment>first and last line of the report: %1 the home page</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computed for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(orb %1, applying)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(orb %1, separating)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic (as in version 1.15)</source>
        <comment>the model of the sky a chart was computed with</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise (Swiss Ephemeris)</source>
        <comment>the model of the sky a chart was computed with</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placidus</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koch</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole Sign</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porphyry</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regiomontanus</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campanus</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreSignificance</name>
    <message>
        <source>A conjunction fuses two planets, 0 degrees apart, into a single force. Their principles can no longer act alone, and as they usually share a sign, its element and quality colour both. It is the most powerful contact in a chart, expressed strongly and often unawares, for good or ill. Zodrivel counts it within 10 whole degrees of exact: the distance is rounded to the nearest degree, an exact half to the even one, so 10.5 degrees still counts and 11 does not.</source>
        <comment>Conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A semi-sextile links planets 30 degrees apart, in neighbouring signs that share neither element nor quality and so see the world from different angles. Its effect is subtle, more a quiet response than an event, and it shows where steady adjustments are needed. Zodrivel counts it within 2 whole degrees of exact, from 28 to 32: the distance is rounded to the nearest degree, an exact half to the even one, so 27.5 and 32.5 degrees still count.</source>
        <comment>SemiSextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sextile joins planets 60 degrees apart, in compatible elements, fire with air or earth with water, and marks an opportunity. The two principles cooperate readily, but the gift asks for a little initiative; acted on, talents develop and contacts open. Zodrivel counts it within 4 whole degrees of exact, from 56 to 64: the distance is rounded to the nearest degree, an exact half to the even one, so 55.5 and 64.5 degrees still count.</source>
        <comment>Sextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A square sets two planets 90 degrees apart, at cross purposes, usually in signs of the same quality but clashing elements. It brings irritation, inner pressure and obstacles that do not go away by being ignored, and that discomfort drives action and many hard-won achievements. Zodrivel counts it within 8 whole degrees of exact, from 82 to 98: the distance is rounded to the nearest degree, an exact half to the even one, so 81.5 and 98.5 degrees still count.</source>
        <comment>Square</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A trine links planets 120 degrees apart, in signs of the same element, so their energies flow together and support each other. It describes natural talent, sometimes so readily given that you take it for granted, and yields its best when you put the gift to work. Zodrivel counts it within 6 whole degrees of exact, from 114 to 126: the distance is rounded to the nearest degree, an exact half to the even one, so 113.5 and 126.5 degrees still count.</source>
        <comment>Trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quincunx joins planets 150 degrees apart, in signs that share neither element nor quality and have no natural understanding of each other. It brings a persistent sense that something does not fit, often felt in health, schedules or duties, and calls for ongoing adjustment. Zodrivel counts it within 3 whole degrees of exact, from 147 to 153: the distance is rounded to the nearest degree, an exact half to the even one, so 146.5 and 153.5 degrees do not count.</source>
        <comment>Quincunx</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An opposition places two planets 180 degrees apart, across the zodiac, facing each other like rivals or partners. It brings a swing between extremes, or meeting one side of yourself in other people, and the task is balance. Zodrivel counts it within 10 whole degrees of exact, from 170 to 180 degrees apart either way round: the distance is rounded to the nearest degree, an exact half to the even one, so 169.5 degrees still counts.</source>
        <comment>Opposition</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreSigns</name>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreSummary</name>
    <message>
        <source>%1 %2 %3</source>
        <comment>a date: %1 day, %2 month name, %3 year</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UT %1 %2</source>
        <comment>%1 the date, %2 the time (hh:mm)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving is ticked, but %1 already includes it: the hour is taken off twice. Choose the standard-time zone, or untick daylight saving.</source>
        <comment>%1 the zone&apos;s name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zone %1 lies on the other side of Greenwich from a longitude of %2. Check the zone and the East/West choice.</source>
        <comment>%1 the zone&apos;s name, %2 the longitude (74°00&apos;W)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <comment>east, after a longitude (74°00&apos;E)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <comment>west, after a longitude (74°00&apos;W)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <comment>north, after a latitude (40°43&apos;N)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <comment>south, after a latitude (40°43&apos;S)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a zone: %1 its name, %2 its abbreviation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, daylight saving</source>
        <comment>%1 a zone, as &quot;Central European Time (CET)&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreTimeZones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azores Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baghdad Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bering Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil Zone 2</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Double Summer Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Summer Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Daylight</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China Coast Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greenwich Mean Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guam Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iran Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Java Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moluccas Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Summer Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newfoundland Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Sumatra Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Sumatra Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 10</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 3</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 4</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 5</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 6</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West Africa Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveChangesBox</name>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::AboutWindow</name>
    <message>
        <source>Zodrivel calculates the angular distance or aspects between different planets. Each aspect is associated with different characteristics or attributes that are reflected in an individual&apos;s personality. Know what aspects are present in your natal chart with Zodrivel software.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit our home page for more astrology software and our discussion board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zodrivel icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise positions: the Swiss Ephemeris, by Astrodienst AG (www.astro.com/swisseph), under the GNU Affero General Public License.
Places and coordinates: GeoNames (www.geonames.org), under the Creative Commons Attribution 4.0 licence.
Windows: Qt %1, by The Qt Company (www.qt.io), under the GNU Lesser General Public License.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::BirthDocument</name>
    <message>
        <source>Zodrivel birth (*.zodrivel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Birth…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Birth &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The birth cannot be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to %1 before it is closed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (not found)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent births</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear the List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Birth File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Birth File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::ChartPanel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local time of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born %1 %2:%3 local time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The universal date and time the positions were computed for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note on the time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions of the bodies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth and positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Houses: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 cannot be drawn beyond the polar circles)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moves %2° a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asc  Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MC  Midheaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspects with their orbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bodies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact separation %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>applying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>separating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, from the time-zone history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset from Greenwich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked on the wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab to the wheel, then the arrow keys walk the bodies and the aspect lines; Enter opens an aspect&apos;s tab.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No aspect lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect lines: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square, Opposition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quincunx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sextile, Trine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-sextile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>house %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orb %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>applying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>separating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::ClickableLabel</name>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::EntryWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the person born, in letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour of birth, local time, 0 to 23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches the web for the coordinates of the city, state and country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time zone of the place of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick when the clocks were set forward at the time of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculates the chart and shows the aspects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the first letters and choose the place from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time-zone database has no zone %1: choose the zone and the daylight box by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The clocks showed this time twice; the reading you chose is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> That time never showed on the clocks; the offset you chose is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone from the place: %1 kept daylight time on %2 (%3); the row of its standard time and the daylight box give that offset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone from the place: %1 kept standard time on %2 (%3); the row gives that offset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone from the place: %1 was %2 on %3. No row of the list has this offset, so the entry at the top uses it exactly; the daylight box is not added to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone set by hand: the row and the daylight box are used as chosen, whatever the place&apos;s time zone says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (daylight)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (standard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone from the place: in %1 the clocks showed %2 twice; which reading was meant is asked before the chart is calculated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone from the place: in %1 the clocks went forward over %2; which offset the time was read in is asked before the chart is calculated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1 the clocks showed %2 twice: first as %3, then, after they were set back, as %4.

Which reading was the time of birth?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1 the clocks went forward over %2: that time was never shown. Were the clocks the time of birth was read on still at %3, or already at %4?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::PageOpeners</name>
    <message>
        <source>No web browser could be opened. Copy this address into one:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser could be opened for the look-up. Search the web for the place&apos;s coordinates with:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::ReportWindow</name>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The aspects of the chart as the report prints them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit our web site for more astrology software and free reports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk astrology with other readers on our online discussion board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the report as a Rich Text Format file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the report, or the selected part of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the report as a PDF file, with the name and page numbers on every page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the report as a Rich Text Format (.rtf) file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the report as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report as RTF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::ResultWindow</name>
    <message>
        <source>Aspects by kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect kinds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart wheel could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary Aspect - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspects Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Significance </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 significance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planets in this Aspect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 aspects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The aspects of this kind in the chart, each with its reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the report, to save or print it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes back to the entry window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart &amp;Wheel...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placidus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porphyry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regiomontanus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campanus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transits...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the transits to this chart, on a timeline</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::TransitOrbsDialog</name>
    <message>
        <source>Transit Orbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far from exact, in degrees, a moving body counts as in aspect to the birth chart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orb of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::TransitTimeline</name>
    <message>
        <source>Transit timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n transit(s) from %1 to %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>In orb (%1°): %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not exact within the dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the pointer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No transits within these dates for the moving bodies chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::TransitWheel</name>
    <message>
        <source>Birth chart with the moving bodies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::TransitsWindow</name>
    <message>
        <source>Transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transits for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading of the transit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a transit on the timeline (a click, or the arrow keys and Enter) to read what it means.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First day of the transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last day of the transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Orbs...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i&amp;Calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the transits as calendar events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PDF Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the transits and their readings as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving bodies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transits of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of the moving bodies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to i&amp;Calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;PDF Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Whole Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 natal %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Search stopped: %n transit(s) found until then.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transit(s) from %1 to %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The sky of %1, 12:00 UT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Within %1° from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before the first day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after the last day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not exact within these dates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reading is written for this transit yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transits could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Transits to iCalendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Transits as PDF Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
