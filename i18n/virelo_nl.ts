<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../app/AboutDialog.cpp" line="44"/>
        <source>Virelo helps consultants and authorities judge whether monitored natural attenuation can protect a receptor downstream of a contaminant source. For every contaminant it checks the inputs, then estimates the plume length from plug flow at the seepage velocity with first-order decay, and the attenuation factor at the receptor from a steady-state analytical centre-line solution with longitudinal dispersion, decay and the lateral and vertical spreading of a rectangular source. Each result is classed green, yellow or red against a chosen assessment range. The bundled contaminant database is deliberately sparse: its plume lengths and decay constants come from published field surveys, microcosm studies and regulatory guidance, each value with its source.</source>
        <translation>Virelo helpt adviseurs en overheden te beoordelen of gecontroleerde natuurlijke afbraak een receptor benedenstrooms van een bronzone kan beschermen. Voor elke verontreiniging controleert het de invoer, schat het de lengte van de pluim uit propstroming met de stroomsnelheid en eerste-orde afbraak, en de afnamefactor bij de receptor uit een stationaire analytische oplossing op de middellijn met longitudinale dispersie, afbraak en de laterale en verticale spreiding van een rechthoekige bron. Elk resultaat wordt tegen een gekozen beoordelingsbereik groen, geel of rood ingedeeld. De meegeleverde stoffendatabase is bewust beperkt: de pluimlengtes en afbraakconstanten komen uit gepubliceerd veldonderzoek, microcosmosstudies en richtlijnen van overheden, elke waarde met haar bron.</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="57"/>
        <source>Version:		%1
Build-No:	%2</source>
        <translation>Versie:		%1
Build-nr.:	%2</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="61"/>
        <location filename="../app/AboutDialog.cpp" line="161"/>
        <source>About Virelo 1.0</source>
        <translation>Over Virelo 1.0</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="89"/>
        <source>Decision support for applying Monitored Natural
Attenuation at Megasites</source>
        <translation>Beslissingsondersteuning voor gecontroleerde
natuurlijke afbraak op megalocaties</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="94"/>
        <source>Version:		1.0
Build-No.:	xxxxxxx</source>
        <translation>Versie:		1.0
Build-nr.:	xxxxxxx</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="99"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="109"/>
        <source>General Informations</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="118"/>
        <source>Copyright</source>
        <translation>Auteursrecht</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="126"/>
        <source>Realisation</source>
        <translation>Realisatie</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="128"/>
        <source>Programming and design:
the Virelo developers
Virelo Software Workshop</source>
        <translation>Programmering en ontwerp:
de ontwikkelaars van Virelo
Virelo Software Workshop</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="161"/>
        <source>Virelo 1.0 Loading ...</source>
        <translation>Virelo 1.0 laden ...</translation>
    </message>
</context>
<context>
    <name>AnalyteMappingDialog</name>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="32"/>
        <source>Map analyte names</source>
        <translation>Namen van analyten koppelen</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="39"/>
        <source>No contaminant or indicator has these names, so the fits and the redox rules cannot use their samples. Choose what each one is; the project keeps the choice as an alias for later imports.</source>
        <translation>Geen verontreiniging of indicator heeft deze namen, dus de fits en de redoxregels kunnen hun monsters niet gebruiken. Kies wat elke naam is; het project bewaart de keuze als alias voor latere imports.</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="44"/>
        <source>Name in the data</source>
        <translation>Naam in de gegevens</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="44"/>
        <source>Samples</source>
        <translation>Monsters</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="44"/>
        <source>Is</source>
        <translation>Is</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="55"/>
        <source>(keep as written)</source>
        <translation>(laten zoals geschreven)</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="65"/>
        <source>Save as aliases</source>
        <translation>Opslaan als aliassen</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="98"/>
        <source>Nothing saved: %1</source>
        <translation>Niets opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>CPropAqui</name>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="109"/>
        <source>Used for the plume&apos;s dissolved mass and the mass discharge (Site data). Left empty, the mass is per metre of thickness.</source>
        <translation>Voor de vracht in de pluim en de vracht door raaien (Locatiegegevens). Leeg gelaten geldt de massa per meter dikte.</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="148"/>
        <location filename="../pages/CPropAqui.cpp" line="174"/>
        <source>Effective porosity ( ne )  &lt;= 1.0  :</source>
        <translation>Effectieve porositeit ( ne )  &lt;= 1,0  :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="164"/>
        <source>Distance source - receptor</source>
        <translation>Afstand bron - receptor</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="169"/>
        <source>Hydraulic parameters</source>
        <translation>Hydraulische parameters</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="172"/>
        <source>Hydraulic conductivity ( Kf ) :</source>
        <translation>Doorlatendheid ( Kf ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="173"/>
        <source>Hydraulic gradient ( i ) : </source>
        <translation>Hydraulische gradiënt ( i ) : </translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="177"/>
        <source>Saturated thickness ( b ) :</source>
        <translation>Verzadigde dikte ( b ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="190"/>
        <source>Width across the flow</source>
        <translation>Breedte dwars op de stroming</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="190"/>
        <source>water table ( Sz ) :</source>
        <translation>grondwaterspiegel ( Sz ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="190"/>
        <location filename="../pages/CPropAqui.cpp" line="216"/>
        <source>ay (across, horizontal) :</source>
        <translation>ay (dwars, horizontaal) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="197"/>
        <source>Contaminant source</source>
        <translation>Bronzone</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="200"/>
        <source>Width across the flow
( W = 2 Sy ) :</source>
        <translation>Breedte dwars op de stroming
( W = 2 Sy ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="201"/>
        <source>Thickness below the
water table ( Sz ) :</source>
        <translation>Dikte onder de
grondwaterspiegel ( Sz ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="203"/>
        <source>Approximate by &amp;x</source>
        <translation>Schatten uit &amp;x</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="211"/>
        <source>Dispersivity (3 Dimensions)</source>
        <translation>Dispersielengte (3 dimensies)</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="215"/>
        <source>ax (along the flow) :</source>
        <translation>ax (langs de stroming) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="217"/>
        <source>az (vertical) :</source>
        <translation>az (verticaal) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="220"/>
        <source>Only used for calculation attenuation factor ( AF )</source>
        <translation>Alleen voor de afnamefactor ( AF )</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="243"/>
        <source>Redox conditions</source>
        <translation>Redoxcondities</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="257"/>
        <source>&amp;Unknown / variable</source>
        <translation>&amp;Onbekend / wisselend</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="258"/>
        <source>&amp;Aerobic conditions</source>
        <translation>&amp;Aërobe condities</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="259"/>
        <source>Anaerobic &amp;mixed plumes</source>
        <translation>Anaëroob, ge&amp;mengde pluimen</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="260"/>
        <source>Anaerobic &amp;NO3</source>
        <translation>Anaëroob &amp;NO3</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="261"/>
        <source>Anaerobic &amp;SO4</source>
        <translation>Anaëroob &amp;SO4</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="262"/>
        <source>Anaerobic &amp;Fe</source>
        <translation>Anaëroob &amp;Fe</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="263"/>
        <source>Anaerobic &amp;CH4</source>
        <translation>Anaëroob &amp;CH4</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="275"/>
        <source>Si&amp;te data...</source>
        <translation>Loca&amp;tiegegevens...</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="282"/>
        <source>Generic decay constant available for following contaminants :</source>
        <translation>Generieke afbraakconstante beschikbaar voor deze stoffen :</translation>
    </message>
</context>
<context>
    <name>CPropConts</name>
    <message>
        <location filename="../pages/CPropConts.cpp" line="159"/>
        <source>Select contaminants:</source>
        <translation>Stoffen kiezen:</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="166"/>
        <source>Assess plume &amp;length</source>
        <translation>&amp;Lengte van de pluim beoordelen</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="169"/>
        <source>Assess &amp;attenuation factor</source>
        <translation>&amp;Afnamefactor beoordelen</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="174"/>
        <source>75th percentile of observed plume lengths in the literature : </source>
        <translation>75e percentiel van waargenomen pluimlengtes in de literatuur : </translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="196"/>
        <source>Concentrations (same unit e.g. mg/l)</source>
        <translation>Concentraties (zelfde eenheid, bijv. mg/l)</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="203"/>
        <source>Concentration at source ( C0 ) :</source>
        <translation>Concentratie bij de bron ( C0 ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="204"/>
        <source>Acceptable concentration at receptor ( CA ) :</source>
        <translation>Toelaatbare concentratie bij receptor ( CA ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="246"/>
        <source>Decay constant ( lambda )</source>
        <translation>Afbraakconstante ( lambda )</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="248"/>
        <source>Use &amp;preset :</source>
        <translation>&amp;Voorinstelling :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="256"/>
        <source>User defined :</source>
        <translation>Eigen waarde :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="268"/>
        <source>reference, report or wells the value comes from</source>
        <translation>bron, rapport of peilbuizen van de waarde</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="269"/>
        <source>Its source :</source>
        <translation>Bron :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="396"/>
        <source>( by %1 entries )</source>
        <translation>( uit %1 vermeldingen )</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="397"/>
        <source>( by ? entries )</source>
        <translation>( uit ? vermeldingen )</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="399"/>
        <source>no literature plume length available</source>
        <translation>geen pluimlengte uit de literatuur</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="418"/>
        <source>No preset data available!</source>
        <translation>Geen voorinstelling beschikbaar!</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="475"/>
        <source>Source: unknown, the literature table %1 is not installed</source>
        <translation>Bron: onbekend, de literatuurtabel %1 is niet geïnstalleerd</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="478"/>
        <source>Source: </source>
        <translation>Bron: </translation>
    </message>
    <message>
        <location filename="../pages/CPropContsTree.cpp" line="163"/>
        <source>e&amp;xpand all</source>
        <translation>alles &amp;uitklappen</translation>
    </message>
    <message>
        <location filename="../pages/CPropContsTree.cpp" line="164"/>
        <source>&amp;collapse all</source>
        <translation>alles &amp;inklappen</translation>
    </message>
    <message>
        <location filename="../pages/CPropContsTree.cpp" line="166"/>
        <source>expand &amp;calculated contaminants</source>
        <translation>&amp;berekende stoffen uitklappen</translation>
    </message>
</context>
<context>
    <name>CPropProject</name>
    <message>
        <location filename="../pages/CPropProject.cpp" line="129"/>
        <source>The unit of C0, CA and every concentration Virelo shows</source>
        <translation>De eenheid van C0, CA en elke concentratie die Virelo toont</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="132"/>
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="135"/>
        <source>Title: </source>
        <translation>Titel: </translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="137"/>
        <location filename="../pages/CPropProject.cpp" line="211"/>
        <source>Short description:</source>
        <translation>Korte beschrijving:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="141"/>
        <source>Author:</source>
        <translation>Auteur:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="143"/>
        <source>Organisation:</source>
        <translation>Organisatie:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="145"/>
        <source>Concentration unit:</source>
        <translation>Concentratie-eenheid:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="183"/>
        <source>File information</source>
        <translation>Bestandsinformatie</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="185"/>
        <source>Filename:</source>
        <translation>Bestandsnaam:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="190"/>
        <source>Size:</source>
        <translation>Grootte:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="192"/>
        <source>Version:</source>
        <translation>Versie:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="194"/>
        <source>Created:</source>
        <translation>Gemaakt:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="196"/>
        <source>Modified:</source>
        <translation>Gewijzigd:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="198"/>
        <source>Last access:</source>
        <translation>Laatst geopend:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="249"/>
        <source>The project file&apos;s single-byte fields keep %1; the full texts are kept in its settings.</source>
        <translation>De één-byte-velden van het projectbestand bevatten %1; de volledige teksten staan in de instellingen.</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="327"/>
        <source>%1 Bytes</source>
        <translation>%1 bytes</translation>
    </message>
</context>
<context>
    <name>CPropResults</name>
    <message>
        <location filename="../pages/CPropResults.cpp" line="178"/>
        <source>Problem %1: %2 %3</source>
        <translation>Probleem %1: %2 %3</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="254"/>
        <source>Show &amp;problems</source>
        <translation>&amp;Problemen tonen</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="270"/>
        <source>&amp;Robustness...</source>
        <translation>&amp;Robuustheid...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="274"/>
        <source>Show p&amp;lume...</source>
        <translation>P&amp;luim tonen...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="341"/>
        <source>PLUME LENGTH ASSESSMENT: &quot;%1&quot;</source>
        <translation>BEOORDELING PLUIMLENGTE: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="341"/>
        <source>ATTENUATION FACTOR ASSESSMENT: &quot;%1&quot;</source>
        <translation>BEOORDELING AFNAMEFACTOR: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="343"/>
        <source>%1 problem(s):</source>
        <translation>%1 probleem/problemen:</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="359"/>
        <source>Problem %1 (the verdict stands without the wells): %2</source>
        <translation>Probleem %1 (het oordeel staat zonder de peilbuizen): %2</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="133"/>
        <source>&amp;Verdict basis : </source>
        <translation>&amp;Basis oordeel : </translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="138"/>
        <source>Which model&apos;s receptor concentration decides the class of the attenuation factor</source>
        <translation>Welk model met zijn concentratie bij de receptor de klasse van de afnamefactor bepaalt</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="170"/>
        <source>Plume length :</source>
        <translation>Lengte van de pluim :</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="170"/>
        <source>Attenuation factor :</source>
        <translation>Afnamefactor :</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="173"/>
        <source>Assessment range : </source>
        <translation>Beoordelingsbereik : </translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="181"/>
        <source>Ro&amp;bustness...</source>
        <translation>Ro&amp;buustheid...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="184"/>
        <source>How far each input is from changing the marked result&apos;s class</source>
        <translation>Hoe ver elke invoer van een andere klasse van het gemarkeerde resultaat ligt</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="194"/>
        <source>Pl&amp;ume...</source>
        <translation>Pl&amp;uim...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="196"/>
        <source>Centre line and plan view of the selected contaminant&apos;s plume</source>
        <translation>Middellijn en bovenaanzicht van de pluim van de gekozen stof</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="205"/>
        <source>Uncer&amp;tainty...</source>
        <translation>Onzeker&amp;heid...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="207"/>
        <source>The probability of each class from ranges of the inputs</source>
        <translation>De kans op elke klasse uit bereiken van de invoer</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="212"/>
        <source>&amp;Chain...</source>
        <translation>&amp;Keten...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="214"/>
        <source>The project&apos;s decay chains: parents and the daughters they form</source>
        <translation>De afbraakketens van het project: moederstoffen en de dochters die ze vormen</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="309"/>
        <source>Plume extension</source>
        <translation>Pluimlengte</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="309"/>
        <source>Acceptable concentration at source</source>
        <translation>Toelaatbare concentratie bij de bron</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="311"/>
        <source>Distance source receptor</source>
        <translation>Afstand bron receptor</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="311"/>
        <source>Concentration at source</source>
        <translation>Concentratie bij de bron</translation>
    </message>
</context>
<context>
    <name>CentrelineChart</name>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="78"/>
        <source>Not detected (limit)</source>
        <translation>Niet aangetoond (grens)</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="79"/>
        <source>Measured C/C0, %1</source>
        <translation>Gemeten C/C0, %1</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="93"/>
        <source>%1: concentration on the centre line</source>
        <translation>%1: concentratie op de hartlijn</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="110"/>
        <source>Screening model</source>
        <translation>Screeningsmodel</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="113"/>
        <source>Exact solution</source>
        <translation>Exacte oplossing</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="134"/>
        <source>Receptor, x = %1 m</source>
        <translation>Receptor, x = %1 m</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="144"/>
        <source>Plug-flow length, d = %1 m%2</source>
        <translation>Propstroomlengte, d = %1 m%2</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="146"/>
        <source> (beyond the chart)</source>
        <translation> (buiten de grafiek)</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="157"/>
        <source>Distance from the source s [m]</source>
        <translation>Afstand tot de bron s [m]</translation>
    </message>
</context>
<context>
    <name>CentrelineChartView</name>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="135"/>
        <source>s = %1 m
Screening C/C0 = %2
Exact C/C0 = %3</source>
        <translation>s = %1 m
Screening C/C0 = %2
Exact C/C0 = %3</translation>
    </message>
</context>
<context>
    <name>ChainChart</name>
    <message>
        <location filename="../analysis/ChainChart.cpp" line="76"/>
        <source>Concentrations on the centre line (solid: screening, dashed: exact, dotted: each CA)</source>
        <translation>Concentraties op de hartlijn (doorgetrokken: screening, gestreept: exact, gestippeld: elke CA)</translation>
    </message>
    <message>
        <location filename="../analysis/ChainChart.cpp" line="106"/>
        <source>, exact</source>
        <translation>, exact</translation>
    </message>
    <message>
        <location filename="../analysis/ChainChart.cpp" line="126"/>
        <source>Receptor, x = %1 m</source>
        <translation>Receptor, x = %1 m</translation>
    </message>
    <message>
        <location filename="../analysis/ChainChart.cpp" line="132"/>
        <source>Distance from the source s [m]</source>
        <translation>Afstand tot de bron s [m]</translation>
    </message>
    <message>
        <location filename="../analysis/ChainChart.cpp" line="137"/>
        <source>Concentration</source>
        <translation>Concentratie</translation>
    </message>
    <message>
        <location filename="../analysis/ChainChart.cpp" line="138"/>
        <source>Concentration [%1]</source>
        <translation>Concentratie [%1]</translation>
    </message>
</context>
<context>
    <name>ChainWindow</name>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="85"/>
        <source>Decay chain</source>
        <translation>Afbraakketen</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="90"/>
        <source>Chain:</source>
        <translation>Keten:</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="94"/>
        <source>&amp;New chain</source>
        <translation>&amp;Nieuwe keten</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="95"/>
        <source>&amp;Delete chain</source>
        <translation>Keten &amp;verwijderen</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="102"/>
        <source>Species, parent first</source>
        <translation>Stoffen, moederstof eerst</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="107"/>
        <location filename="../analysis/ChainWindow.cpp" line="141"/>
        <source>Species</source>
        <translation>Stof</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="107"/>
        <source>Yield</source>
        <translation>Opbrengst</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="115"/>
        <source>The yield is the mass of the species formed per mass of the species above it that decays.
k, C0 and CA are the contaminant&apos;s own values from the Contaminants page.</source>
        <translation>De opbrengst is de massa van de gevormde stof per massa van de stof erboven die afbreekt.
k, C0 en CA zijn de eigen waarden van de stof op de pagina Verontreinigingen.</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="120"/>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="121"/>
        <source>&amp;Remove</source>
        <translation>Ve&amp;rwijderen</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="122"/>
        <source>&amp;Up</source>
        <translation>Om&amp;hoog</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="123"/>
        <source>Do&amp;wn</source>
        <translation>Om&amp;laag</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="124"/>
        <source>Default &amp;yields</source>
        <translation>Standaard&amp;opbrengsten</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="137"/>
        <source>At the receptor</source>
        <translation>Bij de receptor</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="141"/>
        <source>Screening</source>
        <translation>Screening</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="141"/>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="142"/>
        <source>Exact</source>
        <translation>Exact</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="142"/>
        <source>Exact class</source>
        <translation>Exacte klasse</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="142"/>
        <source>Alone</source>
        <translation>Alleen</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="147"/>
        <source>Concentrations at the receptor in the chain, under the screening formula and the exact
solution, classified by C/CA. &quot;Alone&quot; is the class the contaminant gets on the
Results page, assessed on its own with its own source concentration.</source>
        <translation>Concentraties bij de receptor in de keten, volgens de screeningsformule en de exacte
oplossing, ingedeeld naar C/CA. &quot;Alleen&quot; is de klasse die de stof op de pagina
Resultaten krijgt, op zichzelf beoordeeld met zijn eigen bronconcentratie.</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="162"/>
        <source>Solid: screening formula; dashed: exact solution; dotted: each species&apos; CA.</source>
        <translation>Doorgetrokken: screeningsformule; gestreept: exacte oplossing; gestippeld: CA van elke stof.</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="209"/>
        <source>(no chain: choose New chain)</source>
        <translation>(geen keten: kies Nieuwe keten)</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="345"/>
        <source>End product: %1 (decays no further, not assessed)</source>
        <translation>Eindproduct: %1 (breekt niet verder af, niet beoordeeld)</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="350"/>
        <location filename="../analysis/ChainWindow.cpp" line="430"/>
        <source>Released: first species only</source>
        <translation>Vrijgekomen: alleen de eerste stof</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="353"/>
        <source>The others formed in the aquifer: the solvent screening counts finding them as evidence of dechlorination</source>
        <translation>De overige zijn in het watervoerend pakket gevormd: de screening van oplosmiddelen telt hun aantreffen als bewijs van dechlorering</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="395"/>
        <source> (end product)</source>
        <translation> (eindproduct)</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="412"/>
        <source>parent</source>
        <translation>moederstof</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="429"/>
        <source>Released: %1 only</source>
        <translation>Vrijgekomen: alleen %1</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="448"/>
        <source>The project has no decay chain yet.</source>
        <translation>Het project heeft nog geen afbraakketen.</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="458"/>
        <source>At the receptor, x = %1 m</source>
        <translation>Bij de receptor, x = %1 m</translation>
    </message>
</context>
<context>
    <name>ColumnMappingDialog</name>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="23"/>
        <source>well</source>
        <translation>peilbuis</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="24"/>
        <source>sampling date</source>
        <translation>bemonsteringsdatum</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="25"/>
        <source>analyte (contaminant or indicator)</source>
        <translation>analyt (verontreiniging of indicator)</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="26"/>
        <source>value</source>
        <translation>waarde</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="27"/>
        <source>unit</source>
        <translation>eenheid</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="28"/>
        <source>not detected (yes/no)</source>
        <translation>niet aangetoond (ja/nee)</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="29"/>
        <source>detection limit</source>
        <translation>detectiegrens</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="30"/>
        <source>easting [m]</source>
        <translation>oostcoördinaat [m]</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="31"/>
        <source>northing [m]</source>
        <translation>noordcoördinaat [m]</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="32"/>
        <source>s, distance along the flow [m]</source>
        <translation>s, afstand langs de stroming [m]</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="33"/>
        <source>y, offset across the flow [m]</source>
        <translation>y, afstand dwars op de stroming [m]</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="34"/>
        <source>in the decay fit (yes/no)</source>
        <translation>in de afbraakfit (ja/nee)</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="35"/>
        <source>groundwater head [m]</source>
        <translation>stijghoogte [m]</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="36"/>
        <source>not read</source>
        <translation>niet gelezen</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="46"/>
        <source>Map table columns</source>
        <translation>Tabelkolommen koppelen</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="49"/>
        <source>The table has columns whose names Virelo does not know. Choose what each one holds; the project keeps the choice for later imports.</source>
        <translation>De tabel heeft kolommen waarvan Virelo de namen niet kent. Kies wat elke kolom bevat; het project bewaart de keuze voor latere imports.</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="54"/>
        <source>Column in the table</source>
        <translation>Kolom in de tabel</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="54"/>
        <source>Holds</source>
        <translation>Bevat</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="62"/>
        <source>(leave unnamed)</source>
        <translation>(zonder naam laten)</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="69"/>
        <source>Import with these columns</source>
        <translation>Importeren met deze kolommen</translation>
    </message>
</context>
<context>
    <name>ContaminantEditorDialog</name>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="131"/>
        <source>Edit contaminant data</source>
        <translation>Stofgegevens bewerken</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="142"/>
        <source>Contaminants</source>
        <translation>Stoffen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="181"/>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="193"/>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="194"/>
        <source>Group:</source>
        <translation>Groep:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="198"/>
        <source>75th percentile of observed plume lengths in literature: </source>
        <translation>75e percentiel van waargenomen pluimlengtes in de literatuur: </translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="202"/>
        <source>75th percentile [m] :</source>
        <translation>75e percentiel [m] :</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="203"/>
        <source>Number of lit. entries:</source>
        <translation>Aantal lit.-vermeldingen:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="206"/>
        <source>Decay constants (lambda)  [1/d]</source>
        <translation>Afbraakconstanten (lambda)  [1/d]</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="215"/>
        <source>aerobic:</source>
        <translation>aëroob:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="216"/>
        <source>anerobic nitrate (NO3):</source>
        <translation>anaëroob nitraat (NO3):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="217"/>
        <source>anaerobic iron (Fe):</source>
        <translation>anaëroob ijzer (Fe):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="218"/>
        <source>anaerobic sulfate (SO4):</source>
        <translation>anaëroob sulfaat (SO4):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="219"/>
        <source>anaerobic mixed plumes:</source>
        <translation>anaëroob, gemengde pluimen:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="220"/>
        <source>anaerobic methan (CH4):</source>
        <translation>anaëroob methaan (CH4):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="221"/>
        <source>unknown / variable :</source>
        <translation>onbekend / wisselend :</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="223"/>
        <source>aerobic</source>
        <translation>aëroob</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="224"/>
        <source>anaerobic methan (CH4)</source>
        <translation>anaëroob methaan (CH4)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="225"/>
        <source>anaerobic iron (Fe)</source>
        <translation>anaëroob ijzer (Fe)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="226"/>
        <source>anaerobic mixed plumes</source>
        <translation>anaëroob, gemengde pluimen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="227"/>
        <source>anerobic nitrate (NO3)</source>
        <translation>anaëroob nitraat (NO3)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="228"/>
        <source>anaerobic sulfate (SO4)</source>
        <translation>anaëroob sulfaat (SO4)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="229"/>
        <source>unknown / variable</source>
        <translation>onbekend / wisselend</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="236"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="237"/>
        <source>Abbrechen</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="244"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="279"/>
        <source>&amp;Add contaminant</source>
        <translation>Stof &amp;toevoegen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="280"/>
        <source>&amp;Remove selected</source>
        <translation>Selectie &amp;verwijderen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="420"/>
        <source>A decay constant must not be negative; kept as it was:
</source>
        <translation>Een afbraakconstante mag niet negatief zijn; ongewijzigd gelaten:
</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="421"/>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="591"/>
        <source>Virelo</source>
        <translation>Virelo</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="591"/>
        <source>Failed to launch help.</source>
        <translation>De help kon niet worden geopend.</translation>
    </message>
</context>
<context>
    <name>ContaminantGroup</name>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="20"/>
        <source>BTEX</source>
        <translation>BTEX</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="21"/>
        <source>Chlorobenzenes</source>
        <translation>Chloorbenzenen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="22"/>
        <source>Chlorinated Aliphatics</source>
        <translation>Gechloreerde alifaten</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="23"/>
        <source>Hydrocarbons</source>
        <translation>Koolwaterstoffen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="24"/>
        <source>PAH</source>
        <translation>PAK</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="25"/>
        <source>Pesticides</source>
        <translation>Pesticiden</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="26"/>
        <source>Compounds</source>
        <translation>Verbindingen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="27"/>
        <source>Other</source>
        <translation>Overige</translation>
    </message>
</context>
<context>
    <name>DataCommands</name>
    <message>
        <location filename="../app/DataCommands.cpp" line="21"/>
        <source>&amp;Edit generic contaminant data</source>
        <translation>Generieke stofgegevens &amp;bewerken</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="23"/>
        <source>&amp;Save generic data as default</source>
        <translation>Generieke gegevens als &amp;standaard opslaan</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="25"/>
        <source>Si&amp;te data...</source>
        <translation>Loca&amp;tiegegevens...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="26"/>
        <source>&amp;Decay chain...</source>
        <translation>&amp;Afbraakketen...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="27"/>
        <source>&amp;Uncertainty...</source>
        <translation>&amp;Onzekerheid...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="28"/>
        <source>S&amp;orption and source...</source>
        <translation>Sorptie en b&amp;ron...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="29"/>
        <source>T&amp;ime...</source>
        <translation>T&amp;ijd...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="30"/>
        <source>&amp;Lines of evidence...</source>
        <translation>Bewijs&amp;lijnen...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="32"/>
        <source>Load &amp;application defaults</source>
        <translation>&amp;Programmastandaarden laden</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="87"/>
        <source>This will change your currently used default-contaminants.
Are you shure?</source>
        <translation>Dit wijzigt de standaardstoffen die u nu gebruikt.
Weet u het zeker?</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="89"/>
        <source>Changing generic contaminant data</source>
        <translation>Generieke stofgegevens wijzigen</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="94"/>
        <source>Contaminants saved!</source>
        <translation>Stoffen opgeslagen!</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="95"/>
        <location filename="../app/DataCommands.cpp" line="123"/>
        <source>Virelo</source>
        <translation>Virelo</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="98"/>
        <source>Saving contaminant-data failed!</source>
        <translation>Opslaan van de stofgegevens mislukt!</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="99"/>
        <location filename="../app/DataCommands.cpp" line="114"/>
        <source>Virelo-Error</source>
        <translation>Virelo-fout</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="106"/>
        <source>Loading application default contaminants?</source>
        <translation>Standaardstoffen van het programma laden?</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="107"/>
        <source>contaminant data</source>
        <translation>Stofgegevens</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="113"/>
        <source>Loading contaminant-data failed!</source>
        <translation>Laden van de stofgegevens mislukt!</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="122"/>
        <source>Default contaminants loaded!</source>
        <translation>Standaardstoffen geladen!</translation>
    </message>
</context>
<context>
    <name>DistributionTableModel</name>
    <message>
        <location filename="../analysis/DistributionTableModel.cpp" line="37"/>
        <source>Input</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <location filename="../analysis/DistributionTableModel.cpp" line="38"/>
        <source>Contaminant</source>
        <translation>Verontreiniging</translation>
    </message>
    <message>
        <location filename="../analysis/DistributionTableModel.cpp" line="39"/>
        <source>Distribution</source>
        <translation>Verdeling</translation>
    </message>
    <message>
        <location filename="../analysis/DistributionTableModel.cpp" line="40"/>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <location filename="../analysis/DistributionTableModel.cpp" line="182"/>
        <source>from the site&apos;s wells, %1 % interval %2–%3 1/d</source>
        <translation>uit de peilbuizen van de locatie, %1 %-interval %2–%3 1/d</translation>
    </message>
</context>
<context>
    <name>EngineSentence</name>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="223"/>
        <source>followed through its decay chain %1 at R = %2, the smallest of its species&apos; (the earliest arrival)</source>
        <translation>gevolgd via zijn afbraakketen %1 met R = %2, de kleinste van zijn stoffen (de vroegste aankomst)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="226"/>
        <source>own factors differ: %1</source>
        <translation>eigen factoren wijken af: %1</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="227"/>
        <source>%1 evidence for reductive dechlorination</source>
        <translation>bewijs voor reductieve dechlorering: %1</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="228"/>
        <source>alkalinity not measured in a background well (marked %1)</source>
        <translation>alkaliniteit in geen achtergrondpeilbuis gemeten (gemarkeerd: %1)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="229"/>
        <source>alkalinity not measured in a background well (upstream %1)</source>
        <translation>alkaliniteit in geen achtergrondpeilbuis gemeten (bovenstrooms: %1)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="230"/>
        <source>alkalinity below %1 mg/L (median of the latest values at marked %2)</source>
        <translation>alkaliniteit onder %1 mg/L (mediaan van de laatste waarden in de gemarkeerde peilbuizen %2)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="232"/>
        <source>alkalinity below %1 mg/L (median of the latest values at upstream %2)</source>
        <translation>alkaliniteit onder %1 mg/L (mediaan van de laatste waarden in de bovenstroomse peilbuizen %2)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="234"/>
        <source>alkalinity %1 mg/L (median of the latest values at marked %2)</source>
        <translation>alkaliniteit %1 mg/L (mediaan van de laatste waarden in de gemarkeerde peilbuizen %2)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="235"/>
        <source>alkalinity %1 mg/L (median of the latest values at upstream %2)</source>
        <translation>alkaliniteit %1 mg/L (mediaan van de laatste waarden in de bovenstroomse peilbuizen %2)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="236"/>
        <source>round %1: no value at %2</source>
        <translation>ronde %1: geen waarde in %2</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="237"/>
        <source>The project&apos;s concentration unit &quot;%1&quot; is not one Virelo converts to kg/m3 (ug/L, mg/L, ng/L, g/L, g/m3, mg/m3, kg/m3): no source decay from the mass.</source>
        <translation>De concentratie-eenheid &quot;%1&quot; van het project is geen eenheid die Virelo naar kg/m3 omrekent (ug/L, mg/L, ng/L, g/L, g/m3, mg/m3, kg/m3): geen afname van de bron uit de massa.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="241"/>
        <source>Kf = %1 m/d is below %2 m/d, as tight as silt or clay: entered in m/s? 1e-4 m/s = 8.64 m/d</source>
        <translation>Kf = %1 m/d is kleiner dan %2 m/d, zo dicht als silt of klei: in m/s ingevoerd? 1e-4 m/s = 8,64 m/d</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="244"/>
        <source>Kf = %1 m/d is above %2 m/d, more than even open gravel conducts</source>
        <translation>Kf = %1 m/d is groter dan %2 m/d, meer dan zelfs open grind doorlaat</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="245"/>
        <source>i = %1 is above %2, steeper than groundwater gradients usually are: entered in per cent or per mille?</source>
        <translation>i = %1 is groter dan %2, steiler dan grondwaterverhangen gewoonlijk zijn: in procent of promille ingevoerd?</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="248"/>
        <source>ne = %1 is below %2, less than even fractured rock usually offers to the flow</source>
        <translation>ne = %1 is kleiner dan %2, minder dan zelfs gespleten gesteente de stroming gewoonlijk biedt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="250"/>
        <source>ne = %1 is above %2, more than the total porosity of sand and gravel</source>
        <translation>ne = %1 is groter dan %2, meer dan de totale porositeit van zand en grind</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="252"/>
        <source>The seepage velocity v = Kf * i / ne = %1 m/d is above %2 m/d: check Kf, i and ne</source>
        <translation>De stroomsnelheid v = Kf * i / ne = %1 m/d is groter dan %2 m/d: controleer Kf, i en ne</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="254"/>
        <source>The seepage velocity v = Kf * i / ne = %1 m/d is below %2 m/d: check Kf, i and ne</source>
        <translation>De stroomsnelheid v = Kf * i / ne = %1 m/d is kleiner dan %2 m/d: controleer Kf, i en ne</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="256"/>
        <source>ax = %1 m is greater than the distance x = %2 m; field values lie far below x</source>
        <translation>ax = %1 m is groter dan de afstand x = %2 m; veldwaarden liggen ver onder x</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="258"/>
        <source>ay = %1 m is greater than ax = %2 m; transverse spreading is usually about a tenth of the longitudinal</source>
        <translation>ay = %1 m is groter dan ax = %2 m; de dwarsspreiding is gewoonlijk ongeveer een tiende van de lengtespreiding</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="261"/>
        <source>az = %1 m is greater than ay = %2 m; vertical spreading is usually far smaller than horizontal</source>
        <translation>az = %1 m is groter dan ay = %2 m; de verticale spreiding is gewoonlijk veel kleiner dan de horizontale</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="264"/>
        <source>rho_b = %1 kg/L lies outside 1.2 to 2.4 kg/L, the bulk densities of aquifer sediments: entered in g/cm3 or t/m3 it is the same number; in kg/m3 divide by 1000.</source>
        <translation>rho_b = %1 kg/L ligt buiten 1,2 tot 2,4 kg/L, de bulkdichtheden van sedimenten van watervoerende pakketten: in g/cm3 of t/m3 is het hetzelfde getal; in kg/m3 delen door 1000.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="268"/>
        <source>foc = %1 is above 0.05, more organic carbon than aquifer sands and gravels hold: a percentage typed as a fraction? 0.1 % is foc = 0.001.</source>
        <translation>foc = %1 is groter dan 0,05, meer organische koolstof dan zand en grind van een watervoerend pakket bevatten: een percentage als fractie ingevoerd? 0,1 % is foc = 0,001.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="271"/>
        <source>wells not compared (%1)</source>
        <translation>peilbuizen niet vergeleken (%1)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="272"/>
        <source>%1; %2 over the whole %3 % interval of λ</source>
        <translation>%1; %2 over het hele %3 %-interval van λ</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="273"/>
        <source>%1; %2 to %3 over the %4 % interval of λ</source>
        <translation>%1; %2 tot %3 over het %4 %-interval van λ</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="274"/>
        <source>Fewer than three detected values at different distances on %1 at wells in the fit: no decay constant.</source>
        <translation>Minder dan drie aangetoonde waarden op verschillende afstanden in peilbuizen van de fit (datum: %1): geen afbraakconstante.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="277"/>
        <source>The concentration does not fall with distance (slope %1 1/m): no attenuation shown.</source>
        <translation>De concentratie daalt niet met de afstand (helling %1 1/m): geen afname aangetoond.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="279"/>
        <source>The slope&apos;s %1 interval (%2 to %3 1/m) contains 0: no attenuation shown.</source>
        <translation>Het %1-interval van de helling (%2 tot %3 1/m) bevat 0: geen afname aangetoond.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="281"/>
        <source>Well %1 lies %2 m off the centre line, more than the source half-width Sy = %3 m; the flow azimuth (%4°) places the wells and may be the cause: check it on Flow field.</source>
        <translation>Peilbuis %1 ligt %2 m naast de middellijn, meer dan de halve bronbreedte Sy = %3 m; het azimut van de stroming (%4°) plaatst de peilbuizen en kan de oorzaak zijn: controleer het bij Stromingsveld.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="284"/>
        <source>Well %1 lies %2 m off the centre line, more than the source half-width Sy = %3 m; the flow azimuth (%4°) places the wells and may be the cause: %5 would place them otherwise (check on Flow field).</source>
        <translation>Peilbuis %1 ligt %2 m naast de middellijn, meer dan de halve bronbreedte Sy = %3 m; het azimut van de stroming (%4°) plaatst de peilbuizen en kan de oorzaak zijn: %5 zou ze anders plaatsen (controleer bij Stromingsveld).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="288"/>
        <source>Well %1 lies %2 m off the centre line, more than the source half-width Sy = %3 m.</source>
        <translation>Peilbuis %1 ligt %2 m naast de middellijn, meer dan de halve bronbreedte Sy = %3 m.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="290"/>
        <source>Well %1 lies beyond the receptor (s = %2 m, x = %3 m).</source>
        <translation>Peilbuis %1 ligt voorbij de receptor (s = %2 m, x = %3 m).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="291"/>
        <source>Concentrations at well %1 are %2 (Mann-Kendall): the plume may not be at steady state, which the distance method needs.</source>
        <translation>De concentraties in peilbuis %1 zijn %2 (Mann-Kendall): de pluim is mogelijk niet stationair, wat de afstandsmethode vereist.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="295"/>
        <source>The project&apos;s concentration unit &quot;%1&quot; is not one Virelo relates to the samples&apos; units (ng/L, ug/L, mg/L): the wells&apos; concentrations cannot be compared with CA.</source>
        <translation>De concentratie-eenheid &quot;%1&quot; van het project is geen eenheid die Virelo met de eenheden van de monsters (ng/L, ug/L, mg/L) verbindt: de concentraties van de peilbuizen kunnen niet met CA worden vergeleken.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="299"/>
        <source>Over %1 rounds: the plume&apos;s mass %2, its centre of mass %3.</source>
        <translation>Over %1 meetrondes: massa van de pluim %2, haar zwaartepunt %3.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="300"/>
        <source>Wells: %1.</source>
        <translation>Peilbuizen: %1.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="301"/>
        <source>No light: the plume&apos;s mass needs four sampling rounds of the same wells, the site has %1.</source>
        <translation>Geen licht: de massa van de pluim vraagt vier meetrondes van dezelfde peilbuizen, de locatie heeft er %1.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="304"/>
        <source>No mass discharge: %1</source>
        <translation>Geen vracht: %1</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="305"/>
        <source>Mass discharge: %1.</source>
        <translation>Vracht: %1.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="306"/>
        <source>%1 has no round with all its wells</source>
        <translation>%1 heeft geen meetronde met al zijn peilbuizen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="307"/>
        <source>%1 %2 g/d per m of thickness on %3</source>
        <translation>%1 %2 g/d per m dikte op %3</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="308"/>
        <source>%1 %2 g/d on %3</source>
        <translation>%1 %2 g/d op %3</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="309"/>
        <source>From %1 to %2 it falls to %3 % over %4 m.</source>
        <translation>Van %1 tot %2 daalt ze tot %3 % over %4 m.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="310"/>
        <source>From %1 to %2 it grows to %3 % over %4 m.</source>
        <translation>Van %1 tot %2 stijgt ze tot %3 % over %4 m.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="311"/>
        <source>The wells suggest %1.</source>
        <translation>De peilbuizen wijzen op %1.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="312"/>
        <source>Solvent score %1 at %2 (inadequate evidence of dechlorination).</source>
        <translation>Oplosmiddelscore %1 bij %2 (onvoldoende aanwijzingen voor reductieve dechlorering).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="313"/>
        <source>Solvent score %1 at %2 (limited evidence of dechlorination).</source>
        <translation>Oplosmiddelscore %1 bij %2 (beperkte aanwijzingen voor reductieve dechlorering).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="314"/>
        <source>Solvent score %1 at %2 (adequate evidence of dechlorination).</source>
        <translation>Oplosmiddelscore %1 bij %2 (voldoende aanwijzingen voor reductieve dechlorering).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="315"/>
        <source>Solvent score %1 at %2 (strong evidence of dechlorination).</source>
        <translation>Oplosmiddelscore %1 bij %2 (sterke aanwijzingen voor reductieve dechlorering).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="316"/>
        <source>The literature gives it a decay constant of %1 1/d there.</source>
        <translation>De literatuur geeft daar een afbraakconstante van %1 1/d.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="317"/>
        <source>λ from the wells %1 1/d (%2 to %3), the project&apos;s %4 1/d.</source>
        <translation>λ uit de peilbuizen %1 1/d (%2 tot %3), die van het project %4 1/d.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="318"/>
        <source>Attenuation factor %1 by the models.</source>
        <translation>Afnamefactor %1 volgens de modellen.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="319"/>
        <source>Attenuation factor %1 (worse than the screening model by: %2).</source>
        <translation>Afnamefactor %1 (slechter dan het screeningsmodel door: %2).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="320"/>
        <source>No time frame: %1</source>
        <translation>Geen tijdsbestek: %1</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="321"/>
        <source>The receptor exceeds CA from %1 to %2.</source>
        <translation>Bij de receptor wordt CA overschreden van %1 tot %2.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="322"/>
        <source>The receptor first exceeds CA after %1 and stays above it.</source>
        <translation>Bij de receptor wordt CA voor het eerst overschreden na %1 en blijft overschreden.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="323"/>
        <source>The source meets its target after %1.</source>
        <translation>De bron bereikt haar doel na %1.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="324"/>
        <source>%1 d (%2 years)</source>
        <translation>%1 d (%2 jaar)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="325"/>
        <source>the anaerobic wells agree on %1</source>
        <translation>de anaerobe peilbuizen komen overeen op %1</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="326"/>
        <source>R = 1 + rho_b Koc foc / ne = %1</source>
        <translation>R = 1 + rho_b Koc foc / ne = %1</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="327"/>
        <source>source decaying at ks = %1 1/d</source>
        <translation>bron afnemend met ks = %1 1/d</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="328"/>
        <source>source decaying by mass balance: ks = Q C0 / M0 = %1 1/d, Q = %2 m3/d</source>
        <translation>bron afnemend volgens massabalans: ks = Q C0 / M0 = %1 1/d, Q = %2 m3/d</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="13"/>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="14"/>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="15"/>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="16"/>
        <source>Problems</source>
        <translation>Problemen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="17"/>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="18"/>
        <source>Increasing</source>
        <translation>Stijgend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="19"/>
        <source>Probably Increasing</source>
        <translation>Waarschijnlijk stijgend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="20"/>
        <source>No Trend</source>
        <translation>Geen trend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="21"/>
        <source>Stable</source>
        <translation>Stabiel</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="22"/>
        <source>Probably Decreasing</source>
        <translation>Waarschijnlijk dalend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="23"/>
        <source>Decreasing</source>
        <translation>Dalend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="24"/>
        <source>without a trend class</source>
        <translation>zonder trendklasse</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="25"/>
        <source>plume behaviour</source>
        <translation>gedrag van de pluim</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="26"/>
        <source>mass discharge</source>
        <translation>vracht</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="27"/>
        <source>geochemistry</source>
        <translation>geochemie</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="28"/>
        <source>model</source>
        <translation>model</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="29"/>
        <source>time frame</source>
        <translation>tijdsbestek</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="30"/>
        <source>UNKOWN / VARIABLE</source>
        <translation>ONBEKEND / WISSELEND</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="31"/>
        <source>AEROBIC</source>
        <translation>AËROOB</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="32"/>
        <source>ANAEROBIC-NO3</source>
        <translation>ANAËROOB-NO3</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="33"/>
        <source>ANAEROBIC-FE</source>
        <translation>ANAËROOB-FE</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="34"/>
        <source>ANAEROBIC-SO4</source>
        <translation>ANAËROOB-SO4</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="35"/>
        <source>ANAEROBIC-MIXED-PLUMES</source>
        <translation>ANAËROOB-GEMENGDE-PLUIMEN</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="36"/>
        <source>ANAEROBIC-CH4</source>
        <translation>ANAËROOB-CH4</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="37"/>
        <source>screening model</source>
        <translation>screeningsmodel</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="38"/>
        <source>exact solution</source>
        <translation>exacte oplossing</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="39"/>
        <source>worse of the two</source>
        <translation>slechtste van beide</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="40"/>
        <source>exact</source>
        <translation>exact</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="41"/>
        <source>chain</source>
        <translation>keten</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="42"/>
        <source>wells</source>
        <translation>peilbuizen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="43"/>
        <source>No monitoring rounds: import the wells&apos; monitoring data to see the plume over time.</source>
        <translation>Geen meetrondes: importeer de monitoringgegevens van de peilbuizen om de pluim in de tijd te zien.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="45"/>
        <source>No light: the plume&apos;s mass could not be computed.</source>
        <translation>Geen licht: de massa van de pluim kon niet worden berekend.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="46"/>
        <source>No monitoring rounds: import the wells&apos; monitoring data and name a transect.</source>
        <translation>Geen meetrondes: importeer de monitoringgegevens van de peilbuizen en benoem een raai.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="48"/>
        <source>No transect: name wells across the flow as a transect (Site data: Plume as a whole).</source>
        <translation>Geen raai: benoem peilbuizen dwars op de stroming als raai (Locatiegegevens: Pluim als geheel).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="50"/>
        <source>No light: a trend needs four rounds with all of a transect&apos;s wells, and a decline two transects sampled in one round.</source>
        <translation>Geen licht: een trend vraagt vier meetrondes met alle peilbuizen van een raai, een afname twee raaien die in één ronde zijn bemonsterd.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="53"/>
        <source>No redox indicators: measure oxygen, nitrate, iron(II), sulfate, sulfide and methane.</source>
        <translation>Geen redoxindicatoren: meet zuurstof, nitraat, ijzer(II), sulfaat, sulfide en methaan.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="56"/>
        <source>No solvent score: none of its parameters is measured.</source>
        <translation>Geen oplosmiddelscore: geen van zijn parameters is gemeten.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="57"/>
        <source>The literature gives it no decay there.</source>
        <translation>De literatuur geeft daar geen afbraak.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="58"/>
        <source>The database has no decay constant of it for that condition.</source>
        <translation>De database heeft er voor die conditie geen afbraakconstante van.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="59"/>
        <source>The condition is not clear enough to judge degradation.</source>
        <translation>De conditie is niet duidelijk genoeg om de afbraak te beoordelen.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="60"/>
        <source>No verdict: the inputs have problems (see the Results page).</source>
        <translation>Geen oordeel: de invoer heeft problemen (zie de pagina Resultaten).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="61"/>
        <source>The receptor stays below CA at all times.</source>
        <translation>Bij de receptor blijft de concentratie altijd onder CA.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="62"/>
        <source>The times follow its decay chain.</source>
        <translation>De tijden volgen zijn afbraakketen.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="63"/>
        <source>The source is at its target already.</source>
        <translation>De bron heeft haar doel al bereikt.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="64"/>
        <source>The source is constant: it meets no target by decay alone.</source>
        <translation>De bron is constant: door afbraak alleen bereikt ze geen doel.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="65"/>
        <source>No time frame: its times are not computed.</source>
        <translation>Geen tijdsbestek: de tijden zijn niet berekend.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="66"/>
        <source>You didn&apos;t set a C0 (concentration at source) &gt; 0.0  for the contaminant!</source>
        <translation>Voor de verontreiniging is geen C0 (concentratie bij de bron) &gt; 0,0 ingesteld!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="68"/>
        <source>You need a CA  (accepted concentration at receptor) &gt; 0.0 and &lt;=C0 for the contaminant!</source>
        <translation>De verontreiniging heeft een CA (toelaatbare concentratie bij de receptor) &gt; 0,0 en &lt;= C0 nodig!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="71"/>
        <source>You have to set/select a lambda (decay constant) &gt; 0.0 for the contaminant!</source>
        <translation>Voor de verontreiniging moet een lambda (afbraakconstante) &gt; 0,0 ingesteld of gekozen zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="73"/>
        <source>You have to set  x &gt; 0.0 (distance source to receptor) for the aquifer!</source>
        <translation>Voor de watervoerende laag moet x &gt; 0,0 (afstand bron - receptor) ingesteld zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="75"/>
        <source>You didn&apos;t set i (hydraulic gradient) for the aquifer!</source>
        <translation>Voor de watervoerende laag is geen i (hydraulische gradiënt) ingesteld!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="76"/>
        <source>i (aquifer: hydraulic gradient) must be &gt; 0.0!</source>
        <translation>i (watervoerende laag: hydraulische gradiënt) moet &gt; 0,0 zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="77"/>
        <source>You didn&apos;t set Kf (coefficient of hydraulic conductivity) for the aquifer!</source>
        <translation>Voor de watervoerende laag is geen Kf (doorlatendheid) ingesteld!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="79"/>
        <source>Kf (coefficient of hydraulic conductivity) should not be &lt;= 0.0!</source>
        <translation>Kf (doorlatendheid) mag niet &lt;= 0,0 zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="80"/>
        <source>You have to set ne (effective porosity) for the aquifer!</source>
        <translation>Voor de watervoerende laag moet ne (effectieve porositeit) ingesteld zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="81"/>
        <source>Range of ne (effective porosity) is:  0.0 &lt; ne &lt;= 1.0 !</source>
        <translation>Het bereik van ne (effectieve porositeit) is: 0,0 &lt; ne &lt;= 1,0 !</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="82"/>
        <source>You have to set ax, ay, az (dispersivity) for the aquifer!</source>
        <translation>Voor de watervoerende laag moeten ax, ay, az (dispersiviteit) ingesteld zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="83"/>
        <source>ax (dispersivity) has to be &gt; 0.0 for the aquifer!</source>
        <translation>ax (dispersiviteit) moet voor de watervoerende laag &gt; 0,0 zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="84"/>
        <source>You have to set Sz and Sy (width and thickness of plume) for the aquifer!</source>
        <translation>Voor de watervoerende laag moeten Sz en Sy (breedte en dikte van de pluim) ingesteld zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="86"/>
        <source>C0, CA and lambda (decay constant) must be finite numbers for the contaminant!</source>
        <translation>C0, CA en lambda (afbraakconstante) moeten voor de verontreiniging eindige getallen zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="88"/>
        <source>Dispersivities and source dimensions must not be negative for the aquifer!</source>
        <translation>Dispersiviteiten en afmetingen van de bron mogen voor de watervoerende laag niet negatief zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="90"/>
        <source>Source width and thickness must be greater than 0 for the aquifer!</source>
        <translation>Breedte en dikte van de bron moeten voor de watervoerende laag groter dan 0 zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="91"/>
        <source>x, Kf, i, ne, dispersivities and source dimensions must be finite numbers for the aquifer!</source>
        <translation>x, Kf, i, ne, dispersiviteiten en afmetingen van de bron moeten voor de watervoerende laag eindige getallen zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="94"/>
        <source>Koc (organic-carbon partition coefficient) must be a finite number &gt;= 0.0 for the contaminant!</source>
        <translation>Koc (verdelingscoëfficiënt voor organisch koolstof) moet voor de verontreiniging een eindig getal &gt;= 0,0 zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="97"/>
        <source>ks (decay rate of the source) must be a finite number &gt;= 0.0 for the contaminant!</source>
        <translation>ks (afnamesnelheid van de bron) moet voor de verontreiniging een eindig getal &gt;= 0,0 zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="99"/>
        <source>M0 (dissolvable mass of the source) must be a finite number &gt; 0.0 for the contaminant!</source>
        <translation>M0 (oplosbare massa van de bron) moet voor de verontreiniging een eindig getal &gt; 0,0 zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="102"/>
        <source>rho_b (bulk density) must be a finite number &gt; 0.0 for the aquifer!</source>
        <translation>rho_b (droge bulkdichtheid) moet voor de watervoerende laag een eindig getal &gt; 0,0 zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="103"/>
        <source>foc (fraction of organic carbon) must be a finite number &gt;= 0.0 and &lt; 1.0 for the aquifer!</source>
        <translation>foc (fractie organisch koolstof) moet voor de watervoerende laag een eindig getal &gt;= 0,0 en &lt; 1,0 zijn!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="106"/>
        <source>The project&apos;s concentration unit is not one Virelo relates to the samples&apos; units (ng/L, ug/L, mg/L): the wells were not compared with CA!</source>
        <translation>De concentratie-eenheid van het project is er geen die Virelo aan de eenheden van de monsters (ng/L, ug/L, mg/L) relateert: de peilbuizen zijn niet met CA vergeleken!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="110"/>
        <source>Fewer than three wells hold detected values at different distances: the wells were not compared with CA!</source>
        <translation>Minder dan drie peilbuizen hebben aangetoonde waarden op verschillende afstanden: de peilbuizen zijn niet met CA vergeleken!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="114"/>
        <source>The wells&apos; distance fit has warnings: the wells were not compared with CA!</source>
        <translation>De afstandsfit van de peilbuizen heeft waarschuwingen: de peilbuizen zijn niet met CA vergeleken!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="116"/>
        <source>A decay chain of the project has problems (Data &gt; Decay chain names them): its species were judged without it!</source>
        <translation>Een afbraakketen van het project heeft problemen (Gegevens &gt; Afbraakketen noemt ze): de stoffen ervan zijn zonder haar beoordeeld!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="120"/>
        <source>oxygen missing</source>
        <translation>zuurstof ontbreekt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="121"/>
        <source>oxic; iron(II) missing</source>
        <translation>oxisch; ijzer(II) ontbreekt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="122"/>
        <source>oxygen &gt;= 0.5 mg/L, no reduced iron or manganese</source>
        <translation>zuurstof &gt;= 0,5 mg/L, geen gereduceerd ijzer of mangaan</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="123"/>
        <source>anoxic; nitrate missing</source>
        <translation>anoxisch; nitraat ontbreekt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="124"/>
        <source>nitrate-reducing; iron(II) missing</source>
        <translation>nitraatreducerend; ijzer(II) ontbreekt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="125"/>
        <source>nitrate &gt;= 0.5 mg/L N with iron or manganese: mixed anaerobic processes</source>
        <translation>nitraat &gt;= 0,5 mg/L N met ijzer of mangaan: gemengde anaerobe processen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="127"/>
        <source>oxygen &lt; 0.5, nitrate &gt;= 0.5 mg/L N</source>
        <translation>zuurstof &lt; 0,5, nitraat &gt;= 0,5 mg/L N</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="128"/>
        <source>sulfate &lt; 0.5 mg/L with methane &gt; 0.5 mg/L: methanogenic</source>
        <translation>sulfaat &lt; 0,5 mg/L met methaan &gt; 0,5 mg/L: methanogeen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="129"/>
        <source>anoxic, no nitrate; iron(II) missing</source>
        <translation>anoxisch, geen nitraat; ijzer(II) ontbreekt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="130"/>
        <source>manganese-reducing: no condition of its own</source>
        <translation>mangaanreducerend: geen eigen conditie</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="131"/>
        <source>suboxic: no electron acceptor shows</source>
        <translation>suboxisch: geen elektronenacceptor zichtbaar</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="132"/>
        <source>iron-reducing or below; sulfate missing</source>
        <translation>ijzerreducerend of lager; sulfaat ontbreekt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="133"/>
        <source>iron(II) &gt;= 0.1, sulfate &lt; 0.5 mg/L: methanogenic</source>
        <translation>ijzer(II) &gt;= 0,1, sulfaat &lt; 0,5 mg/L: methanogeen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="134"/>
        <source>iron(II) &gt;= 0.1 and sulfate &gt;= 0.5 mg/L, sulfide not measured: iron and/or sulfate reduction</source>
        <translation>ijzer(II) &gt;= 0,1 en sulfaat &gt;= 0,5 mg/L, sulfide niet gemeten: ijzer- en/of sulfaatreductie</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="137"/>
        <source>iron(II)/sulfide &gt; 10 (sulfide not detected)</source>
        <translation>ijzer(II)/sulfide &gt; 10 (sulfide niet aangetoond)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="138"/>
        <source>iron(II) and sulfate; sulfide not detected, ratio open: iron and/or sulfate reduction</source>
        <translation>ijzer(II) en sulfaat; sulfide niet aangetoond, verhouding open: ijzer- en/of sulfaatreductie</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="141"/>
        <source>iron(II)/sulfide &gt; 10: iron-reducing</source>
        <translation>ijzer(II)/sulfide &gt; 10: ijzerreducerend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="142"/>
        <source>iron(II)/sulfide &lt; 0.3: sulfate-reducing</source>
        <translation>ijzer(II)/sulfide &lt; 0,3: sulfaatreducerend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="143"/>
        <source>iron(II)/sulfide from 0.3 to 10: iron and sulfate reduction</source>
        <translation>ijzer(II)/sulfide van 0,3 tot 10: ijzer- en sulfaatreductie</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="144"/>
        <source>wells along the plume show different anaerobic conditions</source>
        <translation>peilbuizen langs de pluim tonen verschillende anaerobe condities</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="145"/>
        <source>every classified well is aerobic</source>
        <translation>elke ingedeelde peilbuis is aeroob</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="146"/>
        <source>no well has indicators</source>
        <translation>geen peilbuis heeft indicatoren</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="147"/>
        <source>no well&apos;s indicators decide a condition</source>
        <translation>de indicatoren van geen enkele peilbuis bepalen een conditie</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="148"/>
        <source>oxygen with dissolved iron or manganese: mixed oxic-anoxic water</source>
        <translation>zuurstof met opgelost ijzer of mangaan: gemengd oxisch-anoxisch water</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="149"/>
        <source>inadequate</source>
        <translation>onvoldoende</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="150"/>
        <source>limited</source>
        <translation>beperkt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="151"/>
        <source>adequate</source>
        <translation>voldoende</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="152"/>
        <source>strong</source>
        <translation>sterk</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="153"/>
        <source>R = 1: no Koc for this contaminant</source>
        <translation>R = 1: geen Koc voor deze stof</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="154"/>
        <source>R = 1: bulk density or foc not entered for the aquifer</source>
        <translation>R = 1: droge bulkdichtheid of foc niet ingevoerd voor de watervoerende laag</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="155"/>
        <source>R = 1: no usable effective porosity ne</source>
        <translation>R = 1: geen bruikbare effectieve porositeit ne</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="156"/>
        <source>constant source</source>
        <translation>constante bron</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="157"/>
        <source>Decay of dissolved and sorbed phase</source>
        <translation>Afbraak van opgeloste en gesorbeerde fase</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="158"/>
        <source>Decay of the dissolved phase only</source>
        <translation>Afbraak van alleen de opgeloste fase</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="159"/>
        <source>from the chain</source>
        <translation>uit de keten</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="160"/>
        <source>from the wells</source>
        <translation>uit de peilbuizen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="161"/>
        <source>temperature</source>
        <translation>temperatuur</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="162"/>
        <source>alkalinity</source>
        <translation>alkaliniteit</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="163"/>
        <source>chloride</source>
        <translation>chloride</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="164"/>
        <source>daughter products</source>
        <translation>dochterproducten</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="165"/>
        <source>DCA/chloroethane</source>
        <translation>DCA/chloorethaan</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="166"/>
        <source>the points for a pH outside 5 to 9 were not confirmed in a source</source>
        <translation>de punten voor een pH buiten 5 tot 9 zijn in geen bron bevestigd</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="167"/>
        <source>threshold against background and points not confirmed in a source</source>
        <translation>drempel ten opzichte van de achtergrond en punten in geen bron bevestigd</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="168"/>
        <source>the points for a chloride above twice background were not confirmed in a source</source>
        <translation>de punten voor chloride boven tweemaal de achtergrond zijn in geen bron bevestigd</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="170"/>
        <source>threshold not confirmed in a source</source>
        <translation>drempel in geen bron bevestigd</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="171"/>
        <source>points only where a compound was not released, which the project does not record</source>
        <translation>punten alleen waar een stof niet is vrijgekomen, wat het project niet vastlegt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="173"/>
        <source>not measured in a background well</source>
        <translation>in geen achtergrondpeilbuis gemeten</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="174"/>
        <source>not measured in a background well (no well is marked as background or lies upstream of the source)</source>
        <translation>in geen achtergrondpeilbuis gemeten (geen peilbuis is als achtergrond gemarkeerd of ligt bovenstrooms van de bron)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="177"/>
        <source>the chlorinated ethanes are not recognised in the project&apos;s chains</source>
        <translation>de gechloreerde ethanen worden in de afbraakketens van het project niet herkend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="178"/>
        <source>no background well: none is marked and none lies upstream of the source</source>
        <translation>geen achtergrondpeilbuis: geen enkele is gemarkeerd en geen enkele ligt bovenstrooms van de bron</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="180"/>
        <source>No effective porosity ne: no mass.</source>
        <translation>Geen effectieve porositeit ne: geen massa.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="181"/>
        <source>No saturated thickness b: masses per metre of thickness.</source>
        <translation>Geen verzadigde dikte b: massa&apos;s per meter dikte.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="182"/>
        <source>Fewer than two wells at distinct places (three off one line across the flow): no mass.</source>
        <translation>Minder dan twee peilbuizen op verschillende plaatsen (drie niet op één lijn dwars op de stroming): geen massa.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="185"/>
        <source>Wells nearly in a row: masses per metre of plume width.</source>
        <translation>Peilbuizen bijna op één rij: massa&apos;s per meter pluimbreedte.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="186"/>
        <source>Fewer than four rounds: no trend and no light.</source>
        <translation>Minder dan vier meetrondes: geen trend en geen verkeerslicht.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="187"/>
        <source>The source&apos;s decay rate ks must be a finite number of at least 0 1/d.</source>
        <translation>De afnamesnelheid ks van de bron moet een eindig getal van ten minste 0 1/d zijn.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="188"/>
        <source>The source&apos;s mass M0 must be a finite number above 0 kg.</source>
        <translation>De massa M0 van de bron moet een eindig getal boven 0 kg zijn.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="189"/>
        <source>The flow through the source needs Kf, i, the source width and its thickness on the Aquifer page.</source>
        <translation>De doorstroming van de bron vraagt Kf, i, de bronbreedte en haar dikte op de pagina Watervoerend pakket.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="193"/>
        <source>The source decay from the mass needs C0.</source>
        <translation>De afname van de bron uit de massa vraagt C0.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="194"/>
        <source>The source decay rate from the mass is beyond the range of numbers.</source>
        <translation>De afnamesnelheid van de bron uit de massa valt buiten het bereik van de getallen.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="195"/>
        <source>unit</source>
        <translation>eenheid</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="196"/>
        <source>too few wells</source>
        <translation>te weinig peilbuizen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="197"/>
        <source>fit warnings</source>
        <translation>waarschuwingen van de fit</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="198"/>
        <source>any date</source>
        <translation>willekeurig</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="199"/>
        <source>No decay constant without the flow velocity v and the dispersivity ax of the aquifer.</source>
        <translation>Geen afbraakconstante zonder de stroomsnelheid v en de dispersielengte ax van het watervoerend pakket.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="203"/>
        <source>The source fades faster than the plume decays, and there the screening form&apos;s lagged source multiplier underestimates the receptor by orders of magnitude: only the exact solution gives a value.</source>
        <translation>De bron neemt sneller af dan de pluim afbreekt, en dan onderschat de vertraagde bronfactor van de screeningsvorm de receptor met ordes van grootte: alleen de exacte oplossing geeft een waarde.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="207"/>
        <source>A source of the chain fades faster than a species it feeds decays, and there the screening form&apos;s lagged source multiplier underestimates the receptor by orders of magnitude: only the exact solution gives a value.</source>
        <translation>Een bron van de keten neemt sneller af dan een stof die zij voedt afbreekt, en dan onderschat de vertraagde bronfactor van de screeningsvorm de receptor met ordes van grootte: alleen de exacte oplossing geeft een waarde.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="212"/>
        <source>every source feeding it fades: it rises to a peak and falls away</source>
        <translation>elke bron die hem voedt neemt af: hij stijgt tot een piek en daalt weer</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="213"/>
        <source>a source feeding it fades while others stay: it settles at what the constant sources keep (below the steady chain&apos;s value), and t50 and t95 are not given</source>
        <translation>een bron die hem voedt neemt af terwijl andere blijven: hij komt uit op wat de constante bronnen aanhouden (onder de stationaire waarde van de keten), en t50 en t95 worden niet gegeven</translation>
    </message>
</context>
<context>
    <name>EvidenceWindow</name>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="42"/>
        <source>Site data window: Trends</source>
        <translation>Venster Locatiegegevens: Trends</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="43"/>
        <location filename="../analysis/EvidenceWindow.cpp" line="45"/>
        <source>Site data window: Plume as a whole</source>
        <translation>Venster Locatiegegevens: Pluim als geheel</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="47"/>
        <source>Site data window: Redox</source>
        <translation>Venster Locatiegegevens: Redox</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="48"/>
        <source>Results page</source>
        <translation>Pagina Resultaten</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="49"/>
        <source>Time window</source>
        <translation>Venster Tijd</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="63"/>
        <source>Lines of evidence</source>
        <translation>Bewijslijnen</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="69"/>
        <source>Each line of evidence of the contaminants assessed by the attenuation factor, with its light and where its evidence is shown. The lines state the case; they change no verdict, which stays the one on the Results page.</source>
        <translation>Elke bewijslijn van de verontreinigingen beoordeeld met de afnamefactor, met haar licht en waar haar bewijs te zien is. De lijnen onderbouwen de zaak; ze wijzigen geen oordeel, dat het oordeel van de pagina Resultaten blijft.</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="78"/>
        <source>Contaminant</source>
        <translation>Verontreiniging</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="78"/>
        <source>Line</source>
        <translation>Lijn</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="78"/>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="78"/>
        <source>Reading</source>
        <translation>Uitlezing</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="78"/>
        <source>Shown in</source>
        <translation>Getoond in</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="112"/>
        <source>Computing the time frames...</source>
        <translation>Tijdsbestekken worden berekend...</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="121"/>
        <source>No contaminant is assessed by the attenuation factor.</source>
        <translation>Geen verontreiniging wordt met de afnamefactor beoordeeld.</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="137"/>
        <source>Computing...</source>
        <translation>Bezig met berekenen...</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../app/FileCommands.cpp" line="31"/>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nieuw	Ctrl+N</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="33"/>
        <source>&amp;Open ...	Ctrl+O</source>
        <translation>&amp;Openen ...	Ctrl+O</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="35"/>
        <source>&amp;Save	Ctrl+S</source>
        <translation>Op&amp;slaan	Ctrl+S</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="37"/>
        <source>Save &amp;as ...</source>
        <translation>Opslaan &amp;als ...</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="41"/>
        <source>&amp;Export report...</source>
        <translation>Rapport &amp;exporteren...</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="43"/>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="46"/>
        <source>Print pre&amp;view...</source>
        <translation>Afdruk&amp;voorbeeld...</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="50"/>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="56"/>
        <source>Error saving project-file!
Check access-rights!</source>
        <translation>Fout bij opslaan van het projectbestand!
Controleer de toegangsrechten!</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="57"/>
        <location filename="../app/FileCommands.cpp" line="195"/>
        <location filename="../app/FileCommands.cpp" line="213"/>
        <source>Virelo-Error</source>
        <translation>Virelo-fout</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="70"/>
        <source>The settings saved with this project could not be read when it was opened (%1).

Saving replaces them with the settings the project has now (concentration unit, verdict basis, assessment ranges, decay-constant sources). Save anyway?</source>
        <translation>De met dit project opgeslagen instellingen konden bij het openen niet worden gelezen (%1).

Opslaan vervangt ze door de huidige instellingen van het project (concentratie-eenheid, basis van het oordeel, beoordelingsbereiken, bronnen van de afbraakconstanten). Toch opslaan?</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="76"/>
        <location filename="../app/FileCommands.cpp" line="89"/>
        <source>Virelo</source>
        <translation>Virelo</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="88"/>
        <source>Current project was modified. Save?</source>
        <translation>Het huidige project is gewijzigd. Opslaan?</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="194"/>
        <source>Error writing the report &quot;%1&quot;:
%2</source>
        <translation>Fout bij het schrijven van het rapport &quot;%1&quot;:
%2</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="212"/>
        <source>Error printing the report!</source>
        <translation>Fout bij het afdrukken van het rapport!</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="222"/>
        <source>Print preview - Virelo</source>
        <translation>Afdrukvoorbeeld - Virelo</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <location filename="../app/HelpCommands.cpp" line="23"/>
        <source>&amp;Manual (requires Adobe Acrobat Reader)</source>
        <translation>&amp;Handleiding (vereist Adobe Acrobat Reader)</translation>
    </message>
    <message>
        <location filename="../app/HelpCommands.cpp" line="26"/>
        <source>&amp;About Virelo</source>
        <translation>&amp;Over Virelo</translation>
    </message>
    <message>
        <location filename="../app/HelpCommands.cpp" line="44"/>
        <source>What&apos;s this - Help</source>
        <translation>Wat is dit? - Help</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../platform/HelpViewer.cpp" line="37"/>
        <source>Virelo Help</source>
        <translation>Virelo-help</translation>
    </message>
    <message>
        <location filename="../platform/HelpViewer.cpp" line="82"/>
        <source>The manual is available in English only. The What&apos;s-this texts (Shift+F1) are in the language of the windows.</source>
        <translation>De handleiding is alleen in het Engels beschikbaar. De Wat-is-dit-teksten (Shift+F1) zijn in de taal van de vensters.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../app/Language.cpp" line="107"/>
        <source>&amp;System language</source>
        <translation>&amp;Systeemtaal</translation>
    </message>
    <message>
        <location filename="../app/Language.cpp" line="124"/>
        <source>The language changes when Virelo is started again.</source>
        <translation>De taal verandert wanneer Virelo opnieuw start.</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <location filename="../app/MainDialog.cpp" line="114"/>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="116"/>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="117"/>
        <source>&amp;Project settings	Ctrl+1</source>
        <translation>&amp;Projectinstellingen	Ctrl+1</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="117"/>
        <source>&amp;Aquifer settings	Ctrl+2</source>
        <translation>&amp;Watervoerend pakket	Ctrl+2</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="118"/>
        <source>C&amp;ontaminant settings	Ctrl+3</source>
        <translation>&amp;Stoffen	Ctrl+3</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="118"/>
        <source>&amp;Results	Ctrl+4</source>
        <translation>&amp;Resultaten	Ctrl+4</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="125"/>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="129"/>
        <source>&amp;Data</source>
        <translation>&amp;Gegevens</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="130"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="154"/>
        <source>Create a new Virelo-Project</source>
        <translation>Een nieuw Virelo-project maken</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="155"/>
        <source>Open a Virelo-Project</source>
        <translation>Een Virelo-project openen</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="156"/>
        <source>Save current Virelo-Project</source>
        <translation>Het huidige Virelo-project opslaan</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="157"/>
        <source>Informations about Virelo</source>
        <translation>Informatie over Virelo</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="178"/>
        <source>Project settings ... Ctrl+1</source>
        <translation>Projectinstellingen ... Ctrl+1</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="178"/>
        <source>Aquifer settings ... Ctrl+2</source>
        <translation>Watervoerend pakket ... Ctrl+2</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="179"/>
        <source>Contaminant settings ... Ctrl+3</source>
        <translation>Stoffen ... Ctrl+3</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="179"/>
        <source>Results ... Ctrl+4</source>
        <translation>Resultaten ... Ctrl+4</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="258"/>
        <source>Virelo-Error</source>
        <translation>Virelo-fout</translation>
    </message>
</context>
<context>
    <name>PageTabs</name>
    <message>
        <location filename="../app/PageTabs.cpp" line="42"/>
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message>
        <location filename="../app/PageTabs.cpp" line="43"/>
        <source>Aquifer</source>
        <translation>Watervoerend pakket</translation>
    </message>
    <message>
        <location filename="../app/PageTabs.cpp" line="44"/>
        <source>Contaminants</source>
        <translation>Stoffen</translation>
    </message>
    <message>
        <location filename="../app/PageTabs.cpp" line="45"/>
        <source>Results</source>
        <translation>Resultaten</translation>
    </message>
</context>
<context>
    <name>PlanViewWidget</name>
    <message>
        <location filename="../analysis/PlanView.cpp" line="80"/>
        <source>%1: screening plume in plan at the water table (z = 0)</source>
        <translation>%1: screeningspluim in bovenaanzicht aan de grondwaterspiegel (z = 0)</translation>
    </message>
    <message>
        <location filename="../analysis/PlanView.cpp" line="157"/>
        <source>Distance from the source s [m]</source>
        <translation>Afstand tot de bron s [m]</translation>
    </message>
    <message>
        <location filename="../analysis/PlanView.cpp" line="162"/>
        <source>Lateral distance y [m]</source>
        <translation>Zijdelingse afstand y [m]</translation>
    </message>
    <message>
        <location filename="../analysis/PlanView.cpp" line="181"/>
        <source>No plume to show</source>
        <translation>Geen pluim om te tonen</translation>
    </message>
    <message>
        <location filename="../analysis/PlanView.cpp" line="262"/>
        <location filename="../analysis/PlanView.cpp" line="323"/>
        <source>Receptor</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <location filename="../analysis/PlanView.cpp" line="328"/>
        <source>Receptor </source>
        <translation>Receptor </translation>
    </message>
</context>
<context>
    <name>PlumeMassChart</name>
    <message>
        <location filename="../analysis/PlumeMassChart.cpp" line="23"/>
        <source>%1: dissolved mass per round</source>
        <translation>%1: opgeloste massa per meetronde</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeMassChart.cpp" line="29"/>
        <source>Mass, non-detects as 0</source>
        <translation>Massa, niet aangetoond als 0</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeMassChart.cpp" line="33"/>
        <source>Non-detects at their limit</source>
        <translation>Niet aangetoond op hun grens</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeMassChart.cpp" line="53"/>
        <source>Round</source>
        <translation>Meetronde</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeMassChart.cpp" line="61"/>
        <source> per m of b</source>
        <translation> per m b</translation>
    </message>
</context>
<context>
    <name>PlumeView</name>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="49"/>
        <source>infinite!</source>
        <translation>oneindig!</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="154"/>
        <source>Plume view</source>
        <translation>Pluimweergave</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="167"/>
        <source>&amp;Contaminant:</source>
        <translation>&amp;Verontreiniging:</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="192"/>
        <source>Point at the chart to read both values at a distance.</source>
        <translation>Wijs in de grafiek om beide waarden op een afstand af te lezen.</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="197"/>
        <source>Export c&amp;hart</source>
        <translation>&amp;Grafiek exporteren</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="197"/>
        <source>Export p&amp;lan view</source>
        <translation>&amp;Bovenaanzicht exporteren</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="199"/>
        <source>As &amp;PNG image...</source>
        <translation>Als &amp;PNG-afbeelding...</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="200"/>
        <source>As &amp;SVG drawing...</source>
        <translation>Als &amp;SVG-tekening...</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="210"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="229"/>
        <source>No contaminant has an attenuation factor without problems.</source>
        <translation>Geen verontreiniging heeft een afnamefactor zonder problemen.</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="268"/>
        <source>At the receptor (x = %1 m): C/C0 = %2 (screening model), %3 (exact solution); CA/C0 = %4.</source>
        <translation>Bij de receptor (x = %1 m): C/C0 = %2 (screeningsmodel), %3 (exacte oplossing); CA/C0 = %4.</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="271"/>
        <source>
Verdict (screening model): %1.</source>
        <translation>
Oordeel (screeningsmodel): %1.</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="273"/>
        <source> The exact solution would give %1.</source>
        <translation> De exacte oplossing zou %1 geven.</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="322"/>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Kon &quot;%1&quot; niet schrijven: %2</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="323"/>
        <source>Virelo-Error</source>
        <translation>Virelo-fout</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="346"/>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-tekening (*.svg)</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="346"/>
        <source>PNG image (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
</context>
<context>
    <name>ProblemsDialog</name>
    <message>
        <location filename="../pages/ProblemsDialog.cpp" line="23"/>
        <source>Problems</source>
        <translation>Problemen</translation>
    </message>
    <message>
        <location filename="../pages/ProblemsDialog.cpp" line="29"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../pages/ProblemsDialog.cpp" line="64"/>
        <source>PLAUSIBILITY WARNINGS (they do not change the verdict):</source>
        <translation>PLAUSIBILITEITSWAARSCHUWINGEN (ze veranderen het oordeel niet):</translation>
    </message>
</context>
<context>
    <name>RatioHistogram</name>
    <message>
        <location filename="../analysis/RatioHistogram.cpp" line="131"/>
        <source>d/x (log scale)</source>
        <translation>d/x (logaritmisch)</translation>
    </message>
    <message>
        <location filename="../analysis/RatioHistogram.cpp" line="131"/>
        <source>C0/C (log scale)</source>
        <translation>C0/C (logaritmisch)</translation>
    </message>
    <message>
        <location filename="../analysis/RatioHistogram.cpp" line="148"/>
        <source>%1 with nothing arriving (Green)</source>
        <translation>%1 zonder aankomst (Groen)</translation>
    </message>
    <message>
        <location filename="../analysis/RatioHistogram.cpp" line="149"/>
        <source>%1 undefined (Red)</source>
        <translation>%1 onbepaald (Rood)</translation>
    </message>
    <message>
        <location filename="../analysis/RatioHistogram.cpp" line="152"/>
        <source>Not drawn: %1</source>
        <translation>Niet getekend: %1</translation>
    </message>
</context>
<context>
    <name>ReportBoxes</name>
    <message>
        <location filename="../app/ReportBoxes.cpp" line="26"/>
        <source>Virelo-Error</source>
        <translation>Virelo-fout</translation>
    </message>
    <message>
        <location filename="../app/ReportBoxes.cpp" line="33"/>
        <source>Virelo-Warning</source>
        <translation>Virelo-waarschuwing</translation>
    </message>
</context>
<context>
    <name>ReportChain</name>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="55"/>
        <source>&lt;p&gt;Plume length along the chain: plug flow, each species by the Bateman solution along the travel time s/v; d is the farthest s at which the species stays at or above its CA, d/x is classed with the plume-length range. For the parent it is its own plume length.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Lengte van de pluim langs de keten: propstroming, elke stof volgens de Bateman-oplossing over de verblijftijd s/v; d is de grootste s waarbij de stof op of boven haar CA blijft, d/x wordt ingedeeld met het bereik voor de lengte van de pluim. Voor de moederstof is het haar eigen lengte van de pluim.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="65"/>
        <location filename="../report/sections/ChainSection.cpp" line="126"/>
        <location filename="../report/sections/ChainSection.cpp" line="158"/>
        <source>Species</source>
        <translation>Stof</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="66"/>
        <location filename="../report/sections/ChainSection.cpp" line="160"/>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="67"/>
        <source>Alone: d [m]</source>
        <translation>Alleen: d [m]</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="75"/>
        <source>decay of the dissolved and the sorbed phase, each species at its own &amp;#955;&amp;#183;R</source>
        <translation>afbraak van de opgeloste en de gesorbeerde fase, elke stof met haar eigen &amp;#955;&amp;#183;R</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="78"/>
        <source>decay in the dissolved phase and no retardation</source>
        <translation>afbraak in de opgeloste fase en geen retardatie</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="79"/>
        <source>decay in the dissolved phase only, so that sorption changes no steady concentration</source>
        <translation>afbraak alleen in de opgeloste fase, zodat sorptie geen stationaire concentratie verandert</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="89"/>
        <source>Decay chain</source>
        <translation>Afbraakketen</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="92"/>
        <source>&lt;p&gt;Daughters formed along the plume as their parents decay, after Sun et al. (1999): one first-order rate per species along the whole path, a serial chain, steady state, %3. Each species is classified by its concentration C(x) at the receptor against its own CA: green where C(x) &amp;lt;= %1 CA, yellow up to %2 CA, red above (never green above CA). &quot;Alone&quot; is its class from its own source concentration only, the class column of the results; the chain&apos;s class enters the verdict. Yield: the mass of a species formed per mass of the species above it that decays.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Dochterstoffen die langs de pluim ontstaan wanneer hun moederstoffen afbreken, naar Sun et al. (1999): één eerste-ordesnelheid per stof over de hele weg, een seriële keten, stationaire toestand, %3. Elke stof wordt ingedeeld naar haar concentratie C(x) bij de receptor tegen haar eigen CA: groen waar C(x) &amp;lt;= %1 CA, geel tot %2 CA, rood daarboven (nooit groen boven CA). „Alleen” is haar klasse uit alleen haar eigen bronconcentratie, de klassekolom van de resultaten; de klasse van de keten telt mee in het oordeel. Opbrengst: de massa van een stof die ontstaat per massa van de stof erboven die afbreekt.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="107"/>
        <source>Chain %1</source>
        <translation>Keten %1</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="110"/>
        <source>parent</source>
        <translation>moederstof</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="113"/>
        <source>not given</source>
        <translation>niet opgegeven</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="127"/>
        <source>Yield (mass per mass of the species above)</source>
        <translation>Opbrengst (massa per massa van de stof erboven)</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="135"/>
        <source>&lt;p&gt;&lt;i&gt;The chain cannot be computed:&lt;/i&gt;&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;i&gt;De keten kan niet worden berekend:&lt;/i&gt;&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="156"/>
        <source>Yield</source>
        <translation>Opbrengst</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="159"/>
        <source>Screening</source>
        <translation>Screening</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="161"/>
        <source>Exact</source>
        <translation>Exact</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="162"/>
        <source>Exact class</source>
        <translation>Exacte klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="163"/>
        <source>Alone</source>
        <translation>Alleen</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="170"/>
        <source>%1 (end product)</source>
        <translation>%1 (eindproduct)</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <location filename="../report/ReportChart.cpp" line="66"/>
        <source>Screening model</source>
        <translation>Screeningsmodel</translation>
    </message>
    <message>
        <location filename="../report/ReportChart.cpp" line="68"/>
        <source>Exact solution</source>
        <translation>Exacte oplossing</translation>
    </message>
    <message>
        <location filename="../report/ReportChart.cpp" line="71"/>
        <source>Receptor</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <location filename="../report/ReportChart.cpp" line="89"/>
        <source>Distance from the source s [m]</source>
        <translation>Afstand tot de bron s [m]</translation>
    </message>
</context>
<context>
    <name>ReportCharts</name>
    <message>
        <location filename="../report/sections/ChartsSection.cpp" line="10"/>
        <source>Centre-line charts</source>
        <translation>Grafieken van de pluimas</translation>
    </message>
    <message>
        <location filename="../report/sections/ChartsSection.cpp" line="11"/>
        <source>&lt;p&gt;The concentration on the plume axis relative to the source (C/C0, logarithmic), from the source to a quarter beyond the receptor: the screening model (solid blue) and the exact solution (dashed orange), with the acceptable level CA/C0 (dash-dotted red, its value beside the name) and the receptor at x (dashed grey).&lt;/p&gt;</source>
        <translation>&lt;p&gt;De concentratie op de pluimas ten opzichte van de bron (C/C0, logaritmisch), van de bron tot een kwart voorbij de receptor: het screeningsmodel (doorgetrokken blauw) en de exacte oplossing (gestreept oranje), met het aanvaarde niveau CA/C0 (streep-stippel rood, de waarde naast de naam) en de receptor bij x (gestreept grijs).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/ChartsSection.cpp" line="32"/>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;: &lt;i&gt;no chart, the inputs of the attenuation factor have problems (section %2).&lt;/i&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;: &lt;i&gt;geen grafiek, de invoer van de afnamefactor heeft problemen (paragraaf %2).&lt;/i&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/ChartsSection.cpp" line="46"/>
        <source>&lt;p&gt;&lt;i&gt;No contaminant is assessed for its attenuation factor.&lt;/i&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;i&gt;Geen stof wordt beoordeeld op haar afnamefactor.&lt;/i&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReportContext</name>
    <message>
        <location filename="../report/ReportContext.cpp" line="170"/>
        <source>%1 (green d &amp;lt;= %2 x, yellow %3 x &amp;lt; d &amp;lt;= %4 x, red d &amp;gt; %4 x)</source>
        <translation>%1 (groen d &amp;lt;= %2 x, geel %3 x &amp;lt; d &amp;lt;= %4 x, rood d &amp;gt; %4 x)</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="174"/>
        <source>%1 (green C0 &amp;lt;= %2 C, yellow %3 C &amp;lt; C0 &amp;lt;= %4 C, red C0 &amp;gt; %4 C)</source>
        <translation>%1 (groen C0 &amp;lt;= %2 C, geel %3 C &amp;lt; C0 &amp;lt;= %4 C, rood C0 &amp;gt; %4 C)</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="224"/>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="225"/>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="226"/>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="227"/>
        <source>Problems</source>
        <translation>Problemen</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="234"/>
        <source>screening model</source>
        <translation>screeningsmodel</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="235"/>
        <source>exact solution</source>
        <translation>exacte oplossing</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="236"/>
        <source>worse of the two</source>
        <translation>slechtste van de twee</translation>
    </message>
</context>
<context>
    <name>ReportEvidence</name>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="22"/>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="29"/>
        <source>plume behaviour</source>
        <translation>gedrag van de pluim</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="30"/>
        <source>mass discharge</source>
        <translation>vracht</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="31"/>
        <source>geochemistry</source>
        <translation>geochemie</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="32"/>
        <source>model</source>
        <translation>model</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="33"/>
        <source>time frame</source>
        <translation>tijdsbestek</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="51"/>
        <source>Evidence: the plume as a whole and its mass discharge in section %1, the wells and the geochemistry in section %2, the model in section %3, the time frame in the Time window (Data &amp;gt; Time...).</source>
        <translation>Bewijs: de pluim als geheel en haar vracht in paragraaf %1, de peilbuizen en de geochemie in paragraaf %2, het model in paragraaf %3, het tijdsbestek in het venster Tijd (Gegevens &amp;gt; Tijd...).</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="57"/>
        <source>Evidence: the plume as a whole and its mass discharge in section %1, the wells and the geochemistry in section %2, the model in section %3, the time frame in section %4.</source>
        <translation>Bewijs: de pluim als geheel en haar vracht in paragraaf %1, de peilbuizen en de geochemie in paragraaf %2, het model in paragraaf %3, het tijdsbestek in paragraaf %4.</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="66"/>
        <source>Evidence: the plume&apos;s behaviour and the geochemistry in section %1, the model in section %2, the time frame in the Time window (Data &amp;gt; Time...).</source>
        <translation>Bewijs: het gedrag van de pluim en de geochemie in paragraaf %1, het model in paragraaf %2, het tijdsbestek in het venster Tijd (Gegevens &amp;gt; Tijd...).</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="71"/>
        <source>Evidence: the plume&apos;s behaviour and the geochemistry in section %1, the model in section %2, the time frame in section %3.</source>
        <translation>Bewijs: het gedrag van de pluim en de geochemie in paragraaf %1, het model in paragraaf %2, het tijdsbestek in paragraaf %3.</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="78"/>
        <source>Evidence: the model in section %1, the time frame in the Time window (Data &amp;gt; Time...).</source>
        <translation>Bewijs: het model in paragraaf %1, het tijdsbestek in het venster Tijd (Gegevens &amp;gt; Tijd...).</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="82"/>
        <source>Evidence: the model in section %1, the time frame in section %2.</source>
        <translation>Bewijs: het model in paragraaf %1, het tijdsbestek in paragraaf %2.</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="95"/>
        <source>Lines of evidence</source>
        <translation>Bewijslijnen</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="98"/>
        <source>&lt;p&gt;The case of each contaminant assessed by the attenuation factor, line by line (lines of evidence after US EPA 1999); the lines change no verdict. %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;De onderbouwing van elke stof die op de afnamefactor wordt beoordeeld, lijn voor lijn (bewijslijnen naar US EPA 1999); de lijnen veranderen geen oordeel. %1&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="109"/>
        <source>&lt;p&gt;No monitoring data: the lines of the plume&apos;s behaviour and of the geochemistry have no light. They need the wells&apos; samples and redox indicators (Data &amp;gt; Site data...).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Geen monitoringgegevens: de lijnen van het gedrag van de pluim en van de geochemie hebben geen licht. Zij hebben de monsters en redoxindicatoren van de peilbuizen nodig (Gegevens &amp;gt; Locatiegegevens...).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="116"/>
        <source>&lt;p&gt;No transect of wells is named: the mass discharge line has no light (Data &amp;gt; Site data..., Plume as a whole).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Er is geen raai van peilbuizen benoemd: de lijn van de vracht heeft geen licht (Gegevens &amp;gt; Locatiegegevens..., Pluim als geheel).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="126"/>
        <source>Contaminant, line</source>
        <translation>Stof, lijn</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="127"/>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="128"/>
        <source>Reading</source>
        <translation>Uitlezing</translation>
    </message>
</context>
<context>
    <name>ReportExact</name>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="12"/>
        <source>Comparison with the exact solution</source>
        <translation>Vergelijking met de exacte oplossing</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="19"/>
        <source>No attenuation factor to compare.</source>
        <translation>Geen afnamefactor om te vergelijken.</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="24"/>
        <source>The screening formula approximates the steady-state centre-line solution of the same source; the exact solution is computed by numerical integration (section %1). The screening result stays the verdict. &lt;b&gt;!!&lt;/b&gt; marks a result whose exact class is worse than its screening class; &lt;b&gt;!&lt;/b&gt; marks one whose class is the same but whose concentrations at the receptor differ by more than a factor %2.</source>
        <translation>De screeningsformule benadert de stationaire oplossing op de middellijn van dezelfde bron; de exacte oplossing wordt berekend door numerieke integratie (paragraaf %1). Het screeningsresultaat blijft het oordeel. &lt;b&gt;!!&lt;/b&gt; markeert een resultaat waarvan de exacte klasse slechter is dan de screeningsklasse; &lt;b&gt;!&lt;/b&gt; een resultaat met dezelfde klasse waarvan de concentraties bij de receptor meer dan een factor %2 verschillen.</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="40"/>
        <source>Contaminant</source>
        <translation>Verontreiniging</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="41"/>
        <source>Screening C0/C</source>
        <translation>Screening C0/C</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="42"/>
        <source>Screening class</source>
        <translation>Screeningsklasse</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="43"/>
        <source>Exact C0/C</source>
        <translation>Exact C0/C</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="44"/>
        <source>Exact class</source>
        <translation>Exacte klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="45"/>
        <source>Mark</source>
        <translation>Markering</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="53"/>
        <source>not computed</source>
        <translation>niet berekend</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="60"/>
        <source>worse</source>
        <translation>slechter</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="64"/>
        <source>differs</source>
        <translation>wijkt af</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <location filename="../report/AssessmentReport.cpp" line="208"/>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <location filename="../report/AssessmentReport.cpp" line="326"/>
        <source>Virelo assessment report</source>
        <translation>Virelo-beoordelingsrapport</translation>
    </message>
    <message>
        <location filename="../report/AssessmentReport.cpp" line="338"/>
        <source>the file exists and is not a PDF; it is left as it is</source>
        <translation>het bestand bestaat en is geen PDF; het blijft ongewijzigd</translation>
    </message>
    <message>
        <location filename="../report/AssessmentReport.cpp" line="350"/>
        <source>%1 - assessment report</source>
        <translation>%1 - beoordelingsrapport</translation>
    </message>
    <message>
        <location filename="../report/AssessmentReport.cpp" line="354"/>
        <source>the report could not be laid out</source>
        <translation>het rapport kon niet worden opgemaakt</translation>
    </message>
</context>
<context>
    <name>ReportFlowField</name>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="29"/>
        <source>Flow field</source>
        <translation>Stromingsveld</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="32"/>
        <source>Source point: easting %1 m, northing %2 m. </source>
        <translation>Bronpunt: oostwaarde %1 m, noordwaarde %2 m. </translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="35"/>
        <source>Flow azimuth: %1&amp;#176; clockwise from north. </source>
        <translation>Stromingsazimut: %1&amp;#176; met de klok mee vanaf noord. </translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="38"/>
        <source>Wells surveyed in map coordinates take s along the flow from the source and y across it, positive to the left looking downstream.</source>
        <translation>Peilbuizen die in kaartcoördinaten zijn ingemeten krijgen s langs de stroming vanaf de bron en y er dwars op, positief naar links gezien stroomafwaarts.</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="49"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="50"/>
        <source>Wells</source>
        <translation>Peilbuizen</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="51"/>
        <source>Gradient i</source>
        <translation>Gradiënt i</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="52"/>
        <source>Flow azimuth [&amp;#176;]</source>
        <translation>Stromingsazimut [&amp;#176;]</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="54"/>
        <source>%1 % interval [&amp;#176;]</source>
        <translation>%1 %-interval [&amp;#176;]</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="55"/>
        <source>rms residual [m]</source>
        <translation>rms-residu [m]</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="76"/>
        <source>Warning: %1</source>
        <translation>Waarschuwing: %1</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="79"/>
        <source>&lt;p&gt;The least-squares plane through the groundwater heads of each date gives the hydraulic gradient and the flow azimuth (the direction of steepest descent), each with its standard error and the azimuth with its 90 % interval (Student&apos;s t with n - 3 degrees of freedom for n wells).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Het kleinstekwadratenvlak door de stijghoogten van elke datum geeft de hydraulische gradiënt en het stromingsazimut (de richting van de steilste daling), elk met zijn standaardfout en het azimut met zijn 90 %-interval (Student-t met n - 3 vrijheidsgraden voor n peilbuizen).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="87"/>
        <source>&lt;p&gt;A dash: 3 wells: no uncertainty; the plane passes through every head and leaves no residual to judge it by.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Een streepje: 3 peilbuizen: geen onzekerheid; het vlak gaat door elke stijghoogte en laat geen residu over om het aan te beoordelen.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReportInputs</name>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="29"/>
        <source>unknown or variable</source>
        <translation>onbekend of wisselend</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="30"/>
        <source>aerobic</source>
        <translation>aëroob</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="31"/>
        <source>anaerobic, nitrate-reducing (NO3)</source>
        <translation>anaëroob, nitraatreducerend (NO3)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="32"/>
        <source>anaerobic, iron-reducing (Fe)</source>
        <translation>anaëroob, ijzerreducerend (Fe)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="33"/>
        <source>anaerobic, sulfate-reducing (SO4)</source>
        <translation>anaëroob, sulfaatreducerend (SO4)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="34"/>
        <source>anaerobic, mixed plumes</source>
        <translation>anaëroob, gemengde pluimen</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="35"/>
        <source>anaerobic, methanogenic (CH4)</source>
        <translation>anaëroob, methanogeen (CH4)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="38"/>
        <source>not chosen</source>
        <translation>niet gekozen</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="47"/>
        <source>from the wells</source>
        <translation>uit de peilbuizen</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="48"/>
        <source>from the wells, %1</source>
        <translation>uit de peilbuizen, %1</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="51"/>
        <source>user-defined</source>
        <translation>door de gebruiker opgegeven</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="54"/>
        <source>none chosen</source>
        <translation>geen gekozen</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="58"/>
        <source>no preset for %1</source>
        <translation>geen standaardwaarde voor %1</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="59"/>
        <source>preset, %1</source>
        <translation>standaardwaarde, %1</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="63"/>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="68"/>
        <source>No description.</source>
        <translation>Geen beschrijving.</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="79"/>
        <source>Aquifer</source>
        <translation>Watervoerend pakket</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="84"/>
        <source>Input</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="85"/>
        <source>Symbol</source>
        <translation>Symbool</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="86"/>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="87"/>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="97"/>
        <source>Distance source - receptor</source>
        <translation>Afstand bron - receptor</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="99"/>
        <source>Hydraulic conductivity</source>
        <translation>Doorlatendheid</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="101"/>
        <source>Hydraulic gradient</source>
        <translation>Hydraulische gradiënt</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="102"/>
        <source>Effective porosity</source>
        <translation>Effectieve porositeit</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="105"/>
        <source>Source width across the flow</source>
        <translation>Bronbreedte dwars op de stroming</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="107"/>
        <source>Source thickness below the water table</source>
        <translation>Brondikte onder de grondwaterspiegel</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="109"/>
        <source>Longitudinal dispersivity</source>
        <translation>Longitudinale dispersielengte</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="111"/>
        <source>Horizontal transverse dispersivity (across the flow)</source>
        <translation>Horizontale transversale dispersielengte (dwars op de stroming)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="113"/>
        <source>Vertical dispersivity (over the thickness)</source>
        <translation>Verticale dispersielengte (over de dikte)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="120"/>
        <location filename="../report/sections/InputsSection.cpp" line="195"/>
        <source>not entered</source>
        <translation>niet ingevoerd</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="129"/>
        <source>Dispersivities: %1.&lt;br&gt;Redox condition: %2.</source>
        <translation>Dispersielengten: %1.&lt;br&gt;Redoxcondities: %2.</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="131"/>
        <source>approximated from x (ax = x/10, ay = ax/10, az = ay/10, each to three decimals)</source>
        <translation>geschat uit x (ax = x/10, ay = ax/10, az = ay/10, elk op drie decimalen)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="135"/>
        <source>entered by the user, not approximated from x</source>
        <translation>door de gebruiker ingevoerd, niet geschat uit x</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="147"/>
        <source>&lt;b&gt;Note:&lt;/b&gt; the dispersivities used differ from those x gives (ax = %1, ay = %2, az = %3 m); open and save the project to bring them up to date.</source>
        <translation>&lt;b&gt;Let op:&lt;/b&gt; de gebruikte dispersielengten wijken af van die uit x (ax = %1, ay = %2, az = %3 m); open en bewaar het project om ze bij te werken.</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="157"/>
        <source>Contaminants</source>
        <translation>Verontreinigingen</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="164"/>
        <source>No contaminant is marked for assessment.</source>
        <translation>Geen verontreiniging is gemarkeerd voor beoordeling.</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="169"/>
        <source>C0 and CA in %1; decay constants in 1/d. Assessed: PL the plume length, AF the attenuation factor. Decay constant from: the database preset for a redox condition, the site&apos;s wells, or user-defined. The literature plume length is the 75th percentile of observed plumes, with the number of literature entries in brackets.</source>
        <translation>C0 en CA in %1; afbraakconstanten in 1/d. Beoordeeld: PL de lengte van de pluim, AF de afnamefactor. Afbraakconstante uit: de standaardwaarde van de database voor een redoxconditie, de peilbuizen van de locatie, of door de gebruiker opgegeven. De pluimlengte uit de literatuur is het 75e percentiel van waargenomen pluimen, met het aantal literatuurgegevens tussen haakjes.</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="183"/>
        <source>Contaminant</source>
        <translation>Verontreiniging</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="184"/>
        <source>Assessed</source>
        <translation>Beoordeeld</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="185"/>
        <source>Decay constant [1/d]</source>
        <translation>Afbraakconstante [1/d]</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="186"/>
        <source>Decay constant from</source>
        <translation>Afbraakconstante uit</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="187"/>
        <source>Literature plume length [m]</source>
        <translation>Pluimlengte uit de literatuur [m]</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="201"/>
        <source>not known</source>
        <translation>niet bekend</translation>
    </message>
</context>
<context>
    <name>ReportMethods</name>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="51"/>
        <source>source decaying at ks = %1 1/d</source>
        <translation>bron neemt af met ks = %1 1/d</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="53"/>
        <source>source decaying from its mass M0 = %1 kg</source>
        <translation>bron neemt af vanaf haar massa M0 = %1 kg</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="62"/>
        <source>No sorption: the contaminant moves at the seepage velocity (retardation factor 1).</source>
        <translation>Geen sorptie: de verontreiniging beweegt met de stroomsnelheid (retardatiefactor 1).</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="67"/>
        <source>Sorption retards by R = 1 + &amp;#961;&lt;sub&gt;b&lt;/sub&gt; Koc foc / n&lt;sub&gt;e&lt;/sub&gt;: %1%2. %3</source>
        <translation>Sorptie vertraagt met R = 1 + &amp;#961;&lt;sub&gt;b&lt;/sub&gt; Koc foc / n&lt;sub&gt;e&lt;/sub&gt;: %1%2. %3</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="72"/>
        <source>; the others move at the seepage velocity (R = 1)</source>
        <translation>; de overige bewegen met de stroomsnelheid (R = 1)</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="75"/>
        <source>The dissolved and the sorbed phase decay: the steady values use &amp;#955;&amp;#183;R in place of &amp;#955;.</source>
        <translation>De opgeloste en de gesorbeerde fase worden afgebroken: de stationaire waarden gebruiken &amp;#955;&amp;#183;R in plaats van &amp;#955;.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="79"/>
        <source>Only the dissolved phase decays: at steady state R drops out and changes no steady value.</source>
        <translation>Alleen de opgeloste fase wordt afgebroken: in de stationaire toestand valt R weg en verandert geen stationaire waarde.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="88"/>
        <source>Steady state: the source is constant and the plume has reached its full extent.</source>
        <translation>Stationaire toestand: de bron is constant en de pluim heeft haar volledige omvang bereikt.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="92"/>
        <source>Steady state: the plume has reached its full extent from a source at C0. The source of %1 shrinks over time; the steady values keep C0 and so give it no credit.</source>
        <translation>Stationaire toestand: de pluim heeft haar volledige omvang bereikt vanuit een bron met C0. De bron van %1 neemt in de tijd af; de stationaire waarden houden C0 aan en rekenen haar dat niet toe.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="102"/>
        <source>Methods</source>
        <translation>Methoden</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="103"/>
        <source>Plume length</source>
        <translation>Lengte van de pluim</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="109"/>
        <source>Plug flow at the seepage velocity with first-order decay: the plume ends where the concentration has fallen from C0 to CA.</source>
        <translation>Propstroming met de stroomsnelheid en eerste-orde afbraak: de pluim eindigt waar de concentratie van C0 tot CA is gedaald.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="113"/>
        <source>with Kf the hydraulic conductivity [m/d], i the hydraulic gradient, ne the effective porosity, &amp;#955; the decay constant [1/d]. The plume length is classified by d/x, its ratio to the distance x between source and receptor.</source>
        <translation>met Kf de doorlatendheid [m/d], i de hydraulische gradiënt, ne de effectieve porositeit, &amp;#955; de afbraakconstante [1/d]. De lengte van de pluim wordt ingedeeld naar d/x, haar verhouding tot de afstand x tussen bron en receptor.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="118"/>
        <source>Attenuation factor</source>
        <translation>Afnamefactor</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="126"/>
        <source>Steady-state analytical solution for the centre line of a plume from a rectangular source (width W = 2 Sy across the flow, thickness Sz below the water table) with longitudinal dispersion and first-order decay (Domenico 1987), at the receptor distance x:</source>
        <translation>Stationaire analytische oplossing voor de middellijn van een pluim uit een rechthoekige bron (breedte W = 2 Sy dwars op de stroming, dikte Sz onder de grondwaterspiegel) met longitudinale dispersie en eerste-orde afbraak (Domenico 1987), op de afstand x van de receptor:</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="132"/>
        <source>AF is the attenuation factor, C the highest source concentration that keeps the receptor at CA. The attenuation factor is classified by C0/C. The error function is the C library&apos;s erf; an infinite or undefined argument (a dispersivity of 0) counts as erf = 1. A receptor concentration of 1e-30 or less gives AF = 0 and C0/C infinite, which counts as green: nothing of the source reaches the receptor.</source>
        <translation>AF is de afnamefactor, C de hoogste bronconcentratie die de receptor op CA houdt. De afnamefactor wordt ingedeeld naar C0/C. De foutfunctie is erf van de C-bibliotheek; een oneindig of onbepaald argument (een dispersielengte van 0) telt als erf = 1. Een concentratie bij de receptor van 1e-30 of minder geeft AF = 0 en C0/C oneindig, wat als groen telt: niets van de bron bereikt de receptor.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="141"/>
        <source>For comparison (section %1 and the charts) the exact steady-state centre-line concentration of the same continuous patch source with longitudinal dispersion and first-order decay is computed by adaptive Gauss-Kronrod quadrature over the source&apos;s history, to a relative error of 1e-6 or better (Wexler 1992). The screening formula underpredicts it, the more so the larger the dispersivities and the stronger the decay (West et al. 2007).</source>
        <translation>Ter vergelijking (paragraaf %1 en de grafieken) wordt de exacte stationaire concentratie op de middellijn van dezelfde continue vlakbron met longitudinale dispersie en eerste-orde afbraak berekend door adaptieve Gauss-Kronrod-kwadratuur over de geschiedenis van de bron, tot een relatieve fout van 1e-6 of beter (Wexler 1992). De screeningsformule onderschat haar, des te meer naarmate de dispersielengten groter zijn en de afbraak sterker is (West et al. 2007).</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="150"/>
        <source>Assumptions and limits</source>
        <translation>Aannamen en grenzen</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="155"/>
        <source>Homogeneous aquifer: one conductivity, gradient, porosity and set of dispersivities between source and receptor; uniform flow in one direction.</source>
        <translation>Homogeen watervoerend pakket: één doorlatendheid, gradiënt, porositeit en set dispersielengten tussen bron en receptor; uniforme stroming in één richting.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="160"/>
        <source>First-order decay with one constant for the whole flow path, chosen for one redox condition.</source>
        <translation>Eerste-orde afbraak met één constante voor de hele stroombaan, gekozen voor één redoxconditie.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="165"/>
        <source>The plume length neglects dispersion; both models are screening tools and do not replace a site model where the verdict is close.</source>
        <translation>De lengte van de pluim verwaarloost dispersie; beide modellen zijn screeningsinstrumenten en vervangen geen locatiemodel waar het oordeel krap is.</translation>
    </message>
</context>
<context>
    <name>ReportPlausibility</name>
    <message>
        <location filename="../report/sections/PlausibilitySection.cpp" line="12"/>
        <source>Plausibility warnings</source>
        <translation>Plausibiliteitswaarschuwingen</translation>
    </message>
    <message>
        <location filename="../report/sections/PlausibilitySection.cpp" line="17"/>
        <source>None: every aquifer value lies within the usual ranges.</source>
        <translation>Geen: elke waarde van het watervoerend pakket ligt binnen de gebruikelijke bereiken.</translation>
    </message>
    <message>
        <location filename="../report/sections/PlausibilitySection.cpp" line="22"/>
        <source>These values pass the checks but are unusual for an aquifer; they change no verdict. Check that each was entered as meant.</source>
        <translation>Deze waarden doorstaan de controles maar zijn ongebruikelijk voor een watervoerend pakket; ze veranderen geen oordeel. Controleer of elke waarde is ingevoerd zoals bedoeld.</translation>
    </message>
</context>
<context>
    <name>ReportProblems</name>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="24"/>
        <source>&lt;b&gt;Plume length of %1&lt;/b&gt;: %2 problem(s)</source>
        <translation>&lt;b&gt;Lengte van de pluim van %1&lt;/b&gt;: %2 probleem(en)</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="26"/>
        <source>&lt;b&gt;Attenuation factor of %1&lt;/b&gt;: %2 problem(s)</source>
        <translation>&lt;b&gt;Afnamefactor van %1&lt;/b&gt;: %2 probleem(en)</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="32"/>
        <source>These hold for its single-species model only: its decay chain gives the verdict.</source>
        <translation>Deze gelden alleen voor het model van de afzonderlijke stof: de afbraakketen geeft het oordeel.</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="54"/>
        <source>&lt;b&gt;Evidence left out of the verdicts&lt;/b&gt;: the verdicts stand without it.</source>
        <translation>&lt;b&gt;Bewijs dat buiten de oordelen blijft&lt;/b&gt;: de oordelen staan zonder dit bewijs.</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="60"/>
        <source>Problem %1: %2 %3</source>
        <translation>Probleem %1: %2 %3</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="71"/>
        <source>Problems</source>
        <translation>Problemen</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="85"/>
        <source>None: every assessment has complete inputs.</source>
        <translation>Geen: elke beoordeling heeft volledige invoer.</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="88"/>
        <source>None: nothing is assessed.</source>
        <translation>Geen: er wordt niets beoordeeld.</translation>
    </message>
</context>
<context>
    <name>ReportRedox</name>
    <message>
        <location filename="../report/ReportContext.cpp" line="261"/>
        <source>unknown / variable</source>
        <translation>onbekend / wisselend</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="262"/>
        <source>aerobic</source>
        <translation>aëroob</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="263"/>
        <source>anaerobic NO3</source>
        <translation>anaëroob NO3</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="264"/>
        <source>anaerobic Fe</source>
        <translation>anaëroob Fe</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="265"/>
        <source>anaerobic SO4</source>
        <translation>anaëroob SO4</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="266"/>
        <source>anaerobic mixed plumes</source>
        <translation>anaëroob, gemengde pluimen</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="267"/>
        <source>anaerobic CH4</source>
        <translation>anaëroob CH4</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="270"/>
        <source>not chosen</source>
        <translation>niet gekozen</translation>
    </message>
</context>
<context>
    <name>ReportReferences</name>
    <message>
        <location filename="../report/sections/ReferencesSection.cpp" line="14"/>
        <source>References</source>
        <translation>Literatuur</translation>
    </message>
</context>
<context>
    <name>ReportResults</name>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="35"/>
        <source>Contaminant</source>
        <translation>Verontreiniging</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="38"/>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="41"/>
        <source>Verdict</source>
        <translation>Oordeel</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="44"/>
        <source>Receptor, screening [%1]</source>
        <translation>Receptor, screening [%1]</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="47"/>
        <source>Receptor, exact [%1]</source>
        <translation>Receptor, exact [%1]</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="50"/>
        <source>Target C = CA &amp;#183; AF [%1]</source>
        <translation>Doel C = CA &amp;#183; AF [%1]</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="59"/>
        <source>%1: see %2</source>
        <translation>%1: zie %2</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="93"/>
        <source>single-species model: see problems</source>
        <translation>model van de afzonderlijke stof: zie problemen</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="98"/>
        <source>see problems</source>
        <translation>zie problemen</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="170"/>
        <source>No contaminant is assessed for its plume length.</source>
        <translation>Geen verontreiniging wordt beoordeeld op de lengte van de pluim.</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="172"/>
        <source>No contaminant is assessed for its attenuation factor.</source>
        <translation>Geen verontreiniging wordt beoordeeld op de afnamefactor.</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="188"/>
        <source>Assessment range %1.</source>
        <translation>Beoordelingsbereik %1.</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="224"/>
        <source>Decay constant from the site&apos;s wells:</source>
        <translation>Afbraakconstante uit de peilbuizen van de locatie:</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="228"/>
        <source>Verdict: the worst of the class under the verdict basis, the class the contaminant&apos;s decay chain gives it and the class of the site&apos;s wells; beside it the inputs that made it worse than the screening class (exact, chain, wells), each with the section that holds its evidence.</source>
        <translation>Oordeel: de slechtste van de klasse volgens de basis van het oordeel, de klasse die de afbraakketen van de verontreiniging geeft en de klasse van de peilbuizen van de locatie; ernaast de invoer die het slechter maakte dan de screeningsklasse (exact, keten, peilbuizen), elk met de paragraaf die het bewijs bevat.</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="238"/>
        <source>d: plume extension; x: distance source - receptor.</source>
        <translation>d: lengte van de pluim; x: afstand bron - receptor.</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="240"/>
        <source>AF: attenuation factor C0/C(x); C0: concentration at the source; C: acceptable concentration at the source (CA &amp;#215; AF). Receptor: the concentration each model predicts at x. Target: the source concentration that just meets CA at the receptor, under the verdict basis (%1).</source>
        <translation>AF: afnamefactor C0/C(x); C0: concentratie bij de bron; C: aanvaardbare concentratie bij de bron (CA &amp;#215; AF). Receptor: de concentratie die elk model bij x voorspelt. Doel: de bronconcentratie die bij de receptor net aan CA voldoet, volgens de basis van het oordeel (%1).</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="252"/>
        <source>Results</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="253"/>
        <source>Plume length</source>
        <translation>Lengte van de pluim</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="255"/>
        <source>Attenuation factor</source>
        <translation>Afnamefactor</translation>
    </message>
</context>
<context>
    <name>ReportRobustness</name>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="31"/>
        <source>fragile</source>
        <translation>kwetsbaar</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="39"/>
        <source>No value the input checks accept changes a class</source>
        <translation>Geen waarde die de invoercontroles toelaten verandert een klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="43"/>
        <source>plume length</source>
        <translation>lengte van de pluim</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="44"/>
        <source>attenuation factor</source>
        <translation>afnamefactor</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="57"/>
        <source>Worse at</source>
        <translation>Slechter bij</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="58"/>
        <location filename="../report/sections/RobustnessSection.cpp" line="60"/>
        <source>%1 at</source>
        <translation>%1 bij</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="59"/>
        <source>Better at</source>
        <translation>Beter bij</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="90"/>
        <source>robust</source>
        <translation>robuust</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="96"/>
        <source>Input</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="97"/>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="123"/>
        <source>not used</source>
        <translation>niet gebruikt</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="148"/>
        <source>Robustness</source>
        <translation>Robuustheid</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="151"/>
        <source>No result without problems.</source>
        <translation>Geen resultaat zonder problemen.</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="156"/>
        <source>For each contaminant and each input: its value and, for the plume length (PL) and the attenuation factor (AF) each, the value at which the class would become worse and the one at which it would become better, with the factor to each (all other inputs as they are). An input whose nearer break-even value lies within a factor %1 of its value makes the verdict fragile; such lines are shaded and marked &lt;b&gt;fragile&lt;/b&gt;, the value that makes them so in bold where both assessments share the line. A dash: no value the input checks accept reaches that class; &quot;not used&quot;: the plume length does not depend on the input. Inputs that would show only dashes and &quot;not used&quot; share the block&apos;s last line.</source>
        <translation>Voor elke verontreiniging en elke invoer: de waarde en, voor de lengte van de pluim (PL) en de afnamefactor (AF) elk, de waarde waarbij de klasse slechter zou worden en die waarbij ze beter zou worden, met de factor tot elk (alle andere invoer zoals ze is). Een invoer waarvan de dichtstbijzijnde omslagwaarde binnen een factor %1 van haar waarde ligt, maakt het oordeel kwetsbaar; zulke regels zijn gearceerd en gemarkeerd met &lt;b&gt;kwetsbaar&lt;/b&gt;, de waarde die ze zo maakt vet waar beide beoordelingen de regel delen. Een streepje: geen waarde die de invoercontroles toelaten bereikt die klasse; &quot;niet gebruikt&quot;: de lengte van de pluim hangt niet van de invoer af. Invoer die alleen streepjes en &quot;niet gebruikt&quot; zou tonen, deelt de laatste regel van het blok.</translation>
    </message>
</context>
<context>
    <name>ReportSiteData</name>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="79"/>
        <location filename="../report/sections/SiteDataSection.cpp" line="259"/>
        <source>Redox condition from the indicators</source>
        <translation>Redoxcondities uit de indicatoren</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="80"/>
        <location filename="../report/sections/SiteDataSection.cpp" line="175"/>
        <source>Well</source>
        <translation>Peilbuis</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="81"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="82"/>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="83"/>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="84"/>
        <source>Rests on</source>
        <translation>Berust op</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="85"/>
        <source>Missing</source>
        <translation>Ontbreekt</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="86"/>
        <source>Solvent score</source>
        <translation>Score oplosmiddelen</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="109"/>
        <source>; not measured: %1</source>
        <translation>; niet gemeten: %1</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="131"/>
        <source>&lt;p&gt;Classes by the thresholds of McMahon and Chapelle 2008 and Jurgens et al. 2009. Suggested redox condition: &lt;b&gt;%1&lt;/b&gt; (%2). The aquifer is assessed as %3.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Klassen volgens de drempelwaarden van McMahon en Chapelle 2008 en Jurgens et al. 2009. Voorgestelde redoxcondities: &lt;b&gt;%1&lt;/b&gt; (%2). Het watervoerend pakket wordt beoordeeld als %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="152"/>
        <source>&lt;p&gt;The solvent score is the screening for reductive dechlorination of chlorinated solvents (Wiedemeier et al. 1998, US EPA/600/R-98/128, Table 2.3), scored on the parameters measured: O2 below 0.5 mg/L 3 points, above 5 mg/L &amp;#8722;3; nitrate below 1 mg/L (read as NO3) 2; iron(II) above 1 mg/L 3; sulfate below 20 mg/L 2; sulfide above 1 mg/L 3; methane above 0.5 mg/L 3; ORP below 50 mV 1, below &amp;#8722;100 mV 2; TOC above 20 mg/L 2 (a DOC above 20 mg/L where no TOC was measured); temperature above 20 &amp;#176;C 1; ethene and ethane together above 0.01 mg/L 2, above 0.1 mg/L 3; alkalinity above twice background 1; where a decay chain records the released solvents, TCE, DCE and VC found and not released 2 each. A total of 5 or less is inadequate evidence, 6 to 14 limited, 15 to 20 adequate, above 20 strong. Rows not measured at a well are named beside its score. Background: %2. The table&apos;s other rows are not scored: %1. The pH row counts a pH outside 5 to 9 against dechlorination, so a total without it may be too high as well as too low.&lt;/p&gt;</source>
        <translation>&lt;p&gt;De score oplosmiddelen is de screening op reductieve dechlorering van gechloreerde oplosmiddelen (Wiedemeier et al. 1998, US EPA/600/R-98/128, Table 2.3), gescoord op de gemeten parameters: O2 onder 0,5 mg/L 3 punten, boven 5 mg/L &amp;#8722;3; nitraat onder 1 mg/L (gelezen als NO3) 2; ijzer(II) boven 1 mg/L 3; sulfaat onder 20 mg/L 2; sulfide boven 1 mg/L 3; methaan boven 0,5 mg/L 3; ORP onder 50 mV 1, onder &amp;#8722;100 mV 2; TOC boven 20 mg/L 2 (een DOC boven 20 mg/L waar geen TOC is gemeten); temperatuur boven 20 &amp;#176;C 1; etheen en ethaan samen boven 0,01 mg/L 2, boven 0,1 mg/L 3; alkaliniteit boven tweemaal de achtergrond 1; waar een afbraakketen de vrijgekomen oplosmiddelen vastlegt, TCE, DCE en VC aangetroffen en niet vrijgekomen elk 2. Een totaal van 5 of minder is onvoldoende bewijs, 6 tot 14 beperkt, 15 tot 20 voldoende, boven 20 sterk. Rijen die bij een peilbuis niet zijn gemeten staan naast haar score. Achtergrond: %2. De overige rijen van de tabel worden niet gescoord: %1. De pH-rij telt een pH buiten 5 tot 9 tegen dechlorering, dus een totaal zonder die rij kan zowel te hoog als te laag zijn.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="198"/>
        <source>Site data</source>
        <translation>Locatiegegevens</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="199"/>
        <source>&lt;p&gt;The site&apos;s own monitoring wells and samples. A concentration-distance fit along the centre line gives the bulk attenuation rate k = &amp;#8722;m&amp;#183;v and, corrected for dispersion after Buscheck and Alcantar (1995), the biodegradation rate &amp;#955; = v/(4&amp;#183;ax)&amp;#183;([1 + 2&amp;#183;ax&amp;#183;(&amp;#8722;m)]&amp;#178; &amp;#8722; 1), with its 90 % interval from Student&apos;s t (Newell et al. 2002). Non-detects are left out of every fit and trend.&lt;/p&gt;</source>
        <translation>&lt;p&gt;De eigen peilbuizen en monsters van de locatie. Een concentratie-afstandsfit langs de pluimas geeft de bulkafbraaksnelheid k = &amp;#8722;m&amp;#183;v en, gecorrigeerd voor dispersie naar Buscheck en Alcantar (1995), de biologische afbraaksnelheid &amp;#955; = v/(4&amp;#183;ax)&amp;#183;([1 + 2&amp;#183;ax&amp;#183;(&amp;#8722;m)]&amp;#178; &amp;#8722; 1), met haar 90 %-interval uit Student-t (Newell et al. 2002). Niet-aangetoonde waarden blijven buiten elke fit en trend.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="172"/>
        <source>Monitoring wells</source>
        <translation>Peilbuizen</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="176"/>
        <source>In fit</source>
        <translation>In fit</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="183"/>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="184"/>
        <source>no</source>
        <translation>nee</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="189"/>
        <source>&lt;p&gt;%1 samples.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 monsters.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="218"/>
        <source>%1: decay constant from the wells</source>
        <translation>%1: afbraakconstante uit de peilbuizen</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="224"/>
        <source>Date, wells in the fit</source>
        <translation>Datum, peilbuizen in de fit</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="227"/>
        <source>Slope m [1/m], 90 % interval</source>
        <translation>Helling m [1/m], 90 %-interval</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="228"/>
        <source>%1 (%2 to %3), R&amp;#178; %4</source>
        <translation>%1 (%2 tot %3), R&amp;#178; %4</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="232"/>
        <source>Bulk rate k [1/d]</source>
        <translation>Bulkafbraaksnelheid k [1/d]</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="234"/>
        <source>&amp;#955; [1/d], 90 % interval</source>
        <translation>&amp;#955; [1/d], 90 %-interval</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="235"/>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2 to %3), half-life %4 d</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; (%2 tot %3), halfwaardetijd %4 d</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="243"/>
        <source>Not detected, left out: %1.</source>
        <translation>Niet aangetoond, weggelaten: %1.</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="261"/>
        <source>&lt;p&gt;No redox indicator was measured at any well.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Bij geen enkele peilbuis is een redoxindicator gemeten.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="272"/>
        <source>%1: the wells gave &amp;#955; = %2 1/d (%3), but the value in use, %4 1/d, was entered by hand since</source>
        <translation>%1: de peilbuizen gaven &amp;#955; = %2 1/d (%3), maar de gebruikte waarde, %4 1/d, is sindsdien met de hand ingevoerd</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="280"/>
        <source>%1: &amp;#955; = %2 1/d, %3</source>
        <translation>%1: &amp;#955; = %2 1/d, %3</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="285"/>
        <source>&lt;p&gt;Decay constants taken from the site data:&lt;br&gt;%1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Afbraakconstanten overgenomen uit de locatiegegevens:&lt;br&gt;%1&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReportSiteTrends</name>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="35"/>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="43"/>
        <source>Increasing</source>
        <translation>Toenemend</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="45"/>
        <source>Probably Increasing</source>
        <translation>Waarschijnlijk toenemend</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="46"/>
        <source>No Trend</source>
        <translation>Geen trend</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="47"/>
        <source>Stable</source>
        <translation>Stabiel</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="49"/>
        <source>Probably Decreasing</source>
        <translation>Waarschijnlijk afnemend</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="50"/>
        <source>Decreasing</source>
        <translation>Afnemend</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="72"/>
        <source>Trends at the wells</source>
        <translation>Trends bij de peilbuizen</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="81"/>
        <source>Well</source>
        <translation>Peilbuis</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="98"/>
        <source>k point %1</source>
        <translation>k punt %1</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="105"/>
        <source>&lt;p&gt;Trends of %1 at the wells (Mann&amp;#8211;Kendall, classes after Aziz et al. 2003; S the Mann&amp;#8211;Kendall statistic with its confidence, COV the coefficient of variation, k point the rate of the concentration over time [1/d]):&lt;/p&gt;</source>
        <translation>&lt;p&gt;Trends van %1 bij de peilbuizen (Mann&amp;#8211;Kendall, klassen naar Aziz et al. 2003; S de Mann&amp;#8211;Kendall-statistiek met haar betrouwbaarheid, COV de variatiecoëfficiënt, k punt de snelheid van de concentratie in de tijd [1/d]):&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReportSources</name>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="72"/>
        <source>Decay constant, %1:</source>
        <translation>Afbraakconstante, %1:</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="85"/>
        <source>no source recorded</source>
        <translation>geen bron vastgelegd</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="102"/>
        <source>source: %1</source>
        <translation>bron: %1</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="107"/>
        <source>entered by hand; the recorded source (%1) gave %2 1/d</source>
        <translation>met de hand ingevoerd; de vastgelegde bron (%1) gaf %2 1/d</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="111"/>
        <source>decay constant from the wells</source>
        <translation>afbraakconstante uit de peilbuizen</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="112"/>
        <source>user-defined decay constant</source>
        <translation>door de gebruiker opgegeven afbraakconstante</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="120"/>
        <source>User-defined decay constants:</source>
        <translation>Door de gebruiker opgegeven afbraakconstanten:</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="142"/>
        <source>%1 (bundled database)</source>
        <translation>%1 (meegeleverde database)</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="152"/>
        <source>Organic-carbon partition coefficients:</source>
        <translation>Verdelingscoëfficiënten organisch koolstof (Koc):</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="230"/>
        <source>%1, each contaminant&apos;s values in its entry below</source>
        <translation>%1, de waarden van elke verontreiniging in haar vermelding hieronder</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="291"/>
        <source>Sources of the database values used</source>
        <translation>Bronnen van de gebruikte databasewaarden</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="307"/>
        <source>not in the bundled database; no source is recorded for its values.</source>
        <translation>niet in de meegeleverde database; voor de waarden is geen bron vastgelegd.</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="316"/>
        <source>the decay constant</source>
        <translation>de afbraakconstante</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="321"/>
        <source>the literature plume length</source>
        <translation>de pluimlengte uit de literatuur</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="327"/>
        <source>the bundled database records no source for its values.</source>
        <translation>de meegeleverde database legt voor de waarden geen bron vast.</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="332"/>
        <source>&lt;b&gt;Note:&lt;/b&gt; %1 in this project differ(s) from the bundled database; no source is recorded for the value used.</source>
        <translation>&lt;b&gt;Let op:&lt;/b&gt; %1 in dit project wijkt/wijken af van de meegeleverde database; voor de gebruikte waarde is geen bron vastgelegd.</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="335"/>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="347"/>
        <source>No database value is used: every decay constant in use is user-defined and no literature plume length is known.</source>
        <translation>Er wordt geen databasewaarde gebruikt: elke gebruikte afbraakconstante is door de gebruiker opgegeven en er is geen pluimlengte uit de literatuur bekend.</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="352"/>
        <source>No database value is used: no contaminant is assessed.</source>
        <translation>Er wordt geen databasewaarde gebruikt: er wordt geen verontreiniging beoordeeld.</translation>
    </message>
</context>
<context>
    <name>ReportStability</name>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="35"/>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="36"/>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="37"/>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="51"/>
        <source>%1 per m of b</source>
        <translation>%1 per m van b</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="55"/>
        <source>%1 (%2 left out)</source>
        <translation>%1 (%2 weggelaten)</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="60"/>
        <source>%1 (%2 to %3)</source>
        <translation>%1 (%2 tot %3)</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="68"/>
        <source>line</source>
        <translation>lijn</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="69"/>
        <source>delaunay</source>
        <translation>Delaunay</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="95"/>
        <source>%1 % at %2 (%3)</source>
        <translation>%1 % bij %2 (%3)</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="113"/>
        <source>&lt;p&gt;Mass discharge Md = &amp;#931; C&amp;#183;Kf&amp;#183;i&amp;#183;w&amp;#183;b through each transect of wells across the flow, each well standing for the strip w halfway to its neighbours%1; the dispersive flux is neglected (ITRC 2010).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Vracht Md = &amp;#931; C&amp;#183;Kf&amp;#183;i&amp;#183;w&amp;#183;b door elke raai van peilbuizen dwars op de stroming, elke peilbuis voor de strook w tot halverwege haar buren%1; de dispersieve flux wordt verwaarloosd (ITRC 2010).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="118"/>
        <source>, per metre of saturated thickness (b not entered)</source>
        <translation>, per meter verzadigde dikte (b niet ingevoerd)</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="124"/>
        <location filename="../report/sections/StabilitySection.cpp" line="157"/>
        <source>Contaminant</source>
        <translation>Stof</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="125"/>
        <source>Transect</source>
        <translation>Raai</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="127"/>
        <location filename="../report/sections/StabilitySection.cpp" line="158"/>
        <source>Rounds</source>
        <translation>Meetrondes</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="128"/>
        <source>Md latest [g/d]</source>
        <translation>Md laatste [g/d]</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="129"/>
        <source>Md trend</source>
        <translation>Md-trend</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="130"/>
        <source>Next transect downstream</source>
        <translation>Volgende raai stroomafwaarts</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="133"/>
        <source>&lt;p&gt;No mass discharge: %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Geen vracht: %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="148"/>
        <source>The plume as a whole</source>
        <translation>De pluim als geheel</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="149"/>
        <source>&lt;p&gt;The dissolved mass M0 = ne&amp;#183;b&amp;#183;&amp;#8747;C dA and the centre of mass per sampling round, on the same wells in every round, interpolated linearly between them (on their Delaunay triangles, or along a row of wells per metre of plume width). Green: the mass decreases and the centre of mass does not move downstream; red: either increases; yellow otherwise.&lt;/p&gt;</source>
        <translation>&lt;p&gt;De opgeloste massa M0 = ne&amp;#183;b&amp;#183;&amp;#8747;C dA en het zwaartepunt per meetronde, op dezelfde peilbuizen in elke ronde, lineair daartussen geïnterpoleerd (op hun Delaunay-driehoeken, of langs een rij peilbuizen per meter pluimbreedte). Groen: de massa neemt af en het zwaartepunt verschuift niet stroomafwaarts; rood: een van beide neemt toe; anders geel.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="159"/>
        <source>Estimator</source>
        <translation>Schatter</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="160"/>
        <source>Mass first &amp;#8594; last</source>
        <translation>Massa eerste &amp;#8594; laatste</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="161"/>
        <source>Mass trend</source>
        <translation>Massatrend</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="162"/>
        <source>Centre of mass</source>
        <translation>Zwaartepunt</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="163"/>
        <source>Half-life [d]</source>
        <translation>Halfwaardetijd [d]</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="164"/>
        <source>Drift / v/R [m/d]</source>
        <translation>Drift / v/R [m/d]</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="165"/>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="168"/>
        <source>&lt;p&gt;Rounds missing a well of the set are left out; &lt;code&gt;virelo-cli stability&lt;/code&gt; lists them with the mass, centre and spread of every round.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Rondes waarin een peilbuis van de set ontbreekt worden weggelaten; &lt;code&gt;virelo-cli stability&lt;/code&gt; geeft ze met de massa, het zwaartepunt en de spreiding van elke ronde.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReportTime</name>
    <message>
        <location filename="../report/sections/TimeSection.cpp" line="47"/>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <location filename="../report/sections/TimeSection.cpp" line="48"/>
        <source>&lt;p&gt;The concentration at the receptor over time on the plume&apos;s centre line, under the transient screening form (Domenico 1987) and the exact solution of the patch source (Wexler 1992), with retardation R = 1 + &amp;rho;&lt;sub&gt;b&lt;/sub&gt; Koc foc / n&lt;sub&gt;e&lt;/sub&gt; and a constant or first-order decaying source. Times are in days since the source appeared; &quot;-&quot; where a time does not occur. A daughter of a decay chain is followed through its chain, in the project&apos;s concentration unit. The steady verdict above does not depend on them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;De concentratie bij de receptor in de tijd op de pluimas, volgens de tijdsafhankelijke screeningsvorm (Domenico 1987) en de exacte oplossing van de vlakke bron (Wexler 1992), met retardatie R = 1 + &amp;rho;&lt;sub&gt;b&lt;/sub&gt; Koc foc / n&lt;sub&gt;e&lt;/sub&gt; en een constante of volgens eerste orde afnemende bron. Tijden in dagen sinds de bron ontstond; „-” waar een tijd niet optreedt. Een dochterstof van een afbraakketen wordt door haar keten gevolgd, in de concentratie-eenheid van het project. Het stationaire oordeel hierboven hangt er niet van af.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/TimeSection.cpp" line="90"/>
        <source> Decay chain: %1.</source>
        <translation> Afbraakketen: %1.</translation>
    </message>
    <message>
        <location filename="../report/sections/TimeSection.cpp" line="93"/>
        <source> No screening values: %1</source>
        <translation> Geen screeningswaarden: %1</translation>
    </message>
</context>
<context>
    <name>ReportTitle</name>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="16"/>
        <source>Monitored natural attenuation - assessment report</source>
        <translation>Gecontroleerde natuurlijke afbraak - beoordelingsrapport</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="20"/>
        <source>Project title</source>
        <translation>Projecttitel</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="22"/>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="24"/>
        <source>Organisation</source>
        <translation>Organisatie</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="26"/>
        <source>Report date</source>
        <translation>Rapportdatum</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="29"/>
        <source>not saved</source>
        <translation>niet opgeslagen</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="33"/>
        <location filename="../report/sections/TitleSection.cpp" line="39"/>
        <source>Project file</source>
        <translation>Projectbestand</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="36"/>
        <location filename="../report/sections/TitleSection.cpp" line="40"/>
        <source>SHA-256 of the file</source>
        <translation>SHA-256 van het bestand</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="42"/>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="44"/>
        <source>Plume-length range</source>
        <translation>Bereik lengte van de pluim</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="45"/>
        <source>Attenuation-factor range</source>
        <translation>Bereik afnamefactor</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="46"/>
        <source>Verdict basis</source>
        <translation>Basis oordeel</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="47"/>
        <source>%1 (decides the class of each attenuation factor)</source>
        <translation>%1 (bepaalt de klasse van elke afnamefactor)</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="49"/>
        <source>Concentration unit</source>
        <translation>Concentratie-eenheid</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="55"/>
        <source>&lt;b&gt;Note:&lt;/b&gt; this report was made from a project that is not saved as it stands (a new project, or one with changes since it was last saved). No project file reproduces it. Save the project and make the report again to give it a file and a checksum.</source>
        <translation>&lt;b&gt;Let op:&lt;/b&gt; dit rapport is gemaakt van een project dat in deze toestand niet is opgeslagen (een nieuw project, of een project met wijzigingen sinds het laatst is opgeslagen). Geen projectbestand reproduceert het. Sla het project op en maak het rapport opnieuw om het een bestand en een controlesom te geven.</translation>
    </message>
</context>
<context>
    <name>ReportUncertainty</name>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="35"/>
        <source>AF exact</source>
        <translation>AF exact</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="36"/>
        <source>AF worse</source>
        <translation>AF slechter</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="42"/>
        <source>plume length</source>
        <translation>lengte van de pluim</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="45"/>
        <source>attenuation factor, exact solution</source>
        <translation>afnamefactor, exacte oplossing</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="47"/>
        <source>attenuation factor, worse of the two models</source>
        <translation>afnamefactor, de slechtste van de twee modellen</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="48"/>
        <source>attenuation factor</source>
        <translation>afnamefactor</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="94"/>
        <source> of %1</source>
        <translation> van %1</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="98"/>
        <source>Green %1, Yellow %2, Red %3. Rank correlation: %4</source>
        <translation>Groen %1, Geel %2, Rood %3. Rangcorrelatie: %4</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="100"/>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="173"/>
        <source>Uncertainty</source>
        <translation>Onzekerheid</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="174"/>
        <source>&lt;p&gt;Every input below is drawn from its distribution, all at once and independently of each other, in %1 samples (plain Monte Carlo, seed %2); every other input keeps its value. Each probability is the share of the samples in that class, &amp;#177; its binomial standard error (the largest of the four is given). PL: plume length, AF: attenuation factor; the ratio is d/x or C0/C.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Elke invoer hieronder wordt uit haar verdeling getrokken, alle tegelijk en onafhankelijk van elkaar, in %1 trekkingen (gewone Monte Carlo, seed %2); elke andere invoer houdt haar waarde. Elke kans is het aandeel van de trekkingen in die klasse, &amp;#177; haar binomiale standaardfout (de grootste van de vier is gegeven). PL: lengte van de pluim, AF: afnamefactor; de verhouding is d/x of C0/C.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="113"/>
        <source>Input</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="114"/>
        <source>Distribution</source>
        <translation>Verdeling</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="115"/>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="193"/>
        <source>&lt;p&gt;&lt;b&gt;No run: the distributions have problems.&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Geen berekening: de verdelingen hebben problemen.&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="137"/>
        <source>Contaminant</source>
        <translation>Stof</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="138"/>
        <source>Assessment</source>
        <translation>Beoordeling</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="139"/>
        <source>P(Green)</source>
        <translation>P(Groen)</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="140"/>
        <source>P(Yellow)</source>
        <translation>P(Geel)</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="141"/>
        <source>P(Red)</source>
        <translation>P(Rood)</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="142"/>
        <source>Ratio 5 / 50 / 95&amp;#160;%</source>
        <translation>Verhouding 5 / 50 / 95&amp;#160;%</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="149"/>
        <source>problems (see %1)</source>
        <translation>problemen (zie %1)</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="215"/>
        <source>&lt;p&gt;The ratios of the samples, each bar split by class (Green, Yellow, Red from the bottom), with the class bounds dashed; under each the shares of the classes and the rank correlation of each drawn input with the ratio.&lt;/p&gt;</source>
        <translation>&lt;p&gt;De verhoudingen van de trekkingen, elke staaf verdeeld naar klasse (Groen, Geel, Rood van onderen), met de klassegrenzen gestreept; onder elk de aandelen van de klassen en de rangcorrelatie van elke getrokken invoer met de verhouding.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="228"/>
        <source>&lt;p&gt;&lt;i&gt;Histograms of the first %1 results only.&lt;/i&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;i&gt;Histogrammen van alleen de eerste %1 resultaten.&lt;/i&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReportWells</name>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="47"/>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="48"/>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="49"/>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="67"/>
        <source>&lt;p&gt;Distance fit of %1 (%2 %, the wells in the fit): slope m = %3 1/m (%4 to %5).</source>
        <translation>&lt;p&gt;Afstandsfit van %1 (%2 %, de peilbuizen in de fit): helling m = %3 1/m (%4 tot %5).</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="75"/>
        <source> The wells give no class:&lt;/p&gt;&lt;ul&gt;</source>
        <translation> De peilbuizen geven geen klasse:&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="81"/>
        <source>the fit gives no concentration</source>
        <translation>de fit geeft geen concentratie</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="84"/>
        <source> Extrapolated to the receptor: C(x) = %1 %2 against CA = %3 %2, &lt;b&gt;%4&lt;/b&gt;; with the slope at the ends of its interval %5 %2 (%6) and %7 %2 (%8).&lt;/p&gt;</source>
        <translation> Geëxtrapoleerd naar de receptor: C(x) = %1 %2 tegen CA = %3 %2, &lt;b&gt;%4&lt;/b&gt;; met de helling aan de uiteinden van haar interval %5 %2 (%6) en %7 %2 (%8).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="96"/>
        <source>&lt;p&gt;&lt;i&gt;No well has a detected value on the fit&apos;s date.&lt;/i&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;i&gt;Geen peilbuis heeft een aangetoonde waarde op de datum van de fit.&lt;/i&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="111"/>
        <source>Measured [%1]</source>
        <translation>Gemeten [%1]</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="112"/>
        <source>Screening [%1]</source>
        <translation>Screening [%1]</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="113"/>
        <source>Exact [%1]</source>
        <translation>Exact [%1]</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="114"/>
        <source>Measured / model</source>
        <translation>Gemeten / model</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="115"/>
        <source>Well</source>
        <translation>Peilbuis</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="119"/>
        <source> &lt;i&gt;(not in the fit)&lt;/i&gt;</source>
        <translation> &lt;i&gt;(niet in de fit)&lt;/i&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="123"/>
        <source>%1 under</source>
        <translation>%1 onder</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="144"/>
        <source>Model against the wells</source>
        <translation>Model tegen de peilbuizen</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="146"/>
        <source>&lt;p&gt;The concentration-distance fit of the site data (section %1, at its default date, the latest with at least three detected values in the fit, and %2 %) extrapolated to the receptor, C(x) = exp(a + m&amp;#183;x), is the site&apos;s own estimate of the receptor&apos;s concentration. It is classed as a species of a decay chain is: C(x)/CA against the attenuation-factor range, green where C(x) &amp;lt;= %3 CA, yellow up to %4 CA, red above; this class enters the verdict of every row of the contaminant. A fit with warnings gives no class. Beside each well with a detected value on the fit&apos;s date stand the concentrations the screening formula and the exact solution predict at its distance s along the flow and y across it, and the measured value over the model under the verdict basis (%5). A well in the fit that holds more than %6 times the model is marked &quot;under&quot;: there the model underpredicts the wells.&lt;/p&gt;</source>
        <translation>&lt;p&gt;De concentratie-afstandsfit van de locatiegegevens (paragraaf %1, op zijn standaarddatum, de laatste met ten minste drie aangetoonde waarden in de fit, en %2 %), geëxtrapoleerd naar de receptor, C(x) = exp(a + m&amp;#183;x), is de eigen schatting van de locatie voor de concentratie bij de receptor. Zij wordt ingedeeld zoals een stof van een afbraakketen: C(x)/CA tegen het bereik van de afnamefactor, groen waar C(x) &amp;lt;= %3 CA, geel tot %4 CA, rood daarboven; deze klasse telt mee in het oordeel van elke rij van de stof. Een fit met waarschuwingen geeft geen klasse. Naast elke peilbuis met een aangetoonde waarde op de datum van de fit staan de concentraties die de screeningsformule en de exacte oplossing voorspellen op haar afstand s langs de stroming en y er dwars op, en de gemeten waarde gedeeld door het model volgens de oordeelsbasis (%5). Een peilbuis in de fit met meer dan %6 maal het model is gemarkeerd met „onder”: daar onderschat het model de peilbuizen.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ResultListModel</name>
    <message>
        <location filename="../pages/ResultColumns.cpp" line="41"/>
        <location filename="../pages/ResultListModel.cpp" line="279"/>
        <source>Contaminant</source>
        <translation>Stof</translation>
    </message>
    <message>
        <location filename="../pages/ResultColumns.cpp" line="46"/>
        <location filename="../pages/ResultListModel.cpp" line="274"/>
        <source>Margin</source>
        <translation>Marge</translation>
    </message>
    <message>
        <location filename="../pages/ResultColumns.cpp" line="52"/>
        <location filename="../pages/ResultListModel.cpp" line="248"/>
        <source>Marks</source>
        <translation>Kenmerken</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="212"/>
        <source>Fragile: the class changes within a factor of 2 of %1.</source>
        <translation>Wankel: de klasse verandert binnen een factor 2 van %1.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="214"/>
        <source>The smallest change of one input that changes the class.</source>
        <translation>De kleinste wijziging van één invoer die de klasse verandert.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="215"/>
        <source>No single input changes the class.</source>
        <translation>Geen enkele invoer verandert de klasse.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="252"/>
        <source>What else bears on the verdict: its decay chain (chain), the site&apos;s wells (wells), a model beneath the wells (under), a decay constant from the wells (λ), models on both sides of CA (±CA). Rest the mouse on a mark to read it.</source>
        <translation>Wat verder meeweegt in het oordeel: de afbraakketen (keten), de peilbuizen van de locatie (peilbuizen), een model onder de peilbuizen (eronder), een afbraakconstante uit de peilbuizen (λ), modellen aan beide kanten van CA (±CA). Houd de muis op een kenmerk om het te lezen.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="257"/>
        <source>The probability of each class from the last uncertainty run</source>
        <translation>De kans op elke klasse uit de laatste onzekerheidsberekening</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="259"/>
        <source>C(x) exact [%1]</source>
        <translation>C(x) exact [%1]</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="260"/>
        <source>Target C [%1]</source>
        <translation>Doel C [%1]</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="262"/>
        <source>Concentration the screening model predicts at the receptor: C0 · C(x)/C0</source>
        <translation>Concentratie die het screeningsmodel bij de receptor voorspelt: C0 · C(x)/C0</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="263"/>
        <source>Concentration the exact solution predicts at the receptor; marked where the two models fall on opposite sides of CA</source>
        <translation>Concentratie die de exacte oplossing bij de receptor voorspelt; gemarkeerd waar de twee modellen aan weerszijden van CA liggen</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="266"/>
        <source>Remedial target: the source concentration C = CA · AF at which the receptor just meets CA, under the verdict basis</source>
        <translation>Saneringsdoel: de bronconcentratie C = CA · AF waarbij de receptor CA net haalt, volgens de basis van het oordeel</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="276"/>
        <source>The smallest factor by which one input would change the class; marked where it is within a factor of 2 (a fragile verdict)</source>
        <translation>De kleinste factor waarmee één invoer de klasse zou veranderen; gemarkeerd waar die binnen een factor 2 ligt (een wankel oordeel)</translation>
    </message>
</context>
<context>
    <name>ResultVerdict</name>
    <message>
        <location filename="../pages/ResultVerdict.cpp" line="54"/>
        <location filename="../pages/ResultVerdict.cpp" line="58"/>
        <source>Screening model</source>
        <translation>Screeningsmodel</translation>
    </message>
    <message>
        <location filename="../pages/ResultVerdict.cpp" line="55"/>
        <source>Exact solution</source>
        <translation>Exacte oplossing</translation>
    </message>
    <message>
        <location filename="../pages/ResultVerdict.cpp" line="56"/>
        <source>Worse of the two</source>
        <translation>Slechtste van beide</translation>
    </message>
</context>
<context>
    <name>RobustnessDialog</name>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="48"/>
        <source>distance source to receptor</source>
        <translation>afstand van bron tot receptor</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="49"/>
        <source>hydraulic conductivity</source>
        <translation>doorlatendheid</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="50"/>
        <source>hydraulic gradient</source>
        <translation>hydraulische gradiënt</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="51"/>
        <source>effective porosity</source>
        <translation>effectieve porositeit</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="52"/>
        <source>decay constant</source>
        <translation>afbraakconstante</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="54"/>
        <source>longitudinal dispersivity</source>
        <translation>longitudinale dispersielengte</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="56"/>
        <source>horizontal transverse dispersivity</source>
        <translation>transversale dispersielengte</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="57"/>
        <source>vertical dispersivity</source>
        <translation>verticale dispersielengte</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="61"/>
        <source>half the source width across the flow</source>
        <translation>halve bronbreedte dwars op de stroming</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="63"/>
        <source>source thickness below the water table</source>
        <translation>bronhoogte onder de grondwaterspiegel</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="65"/>
        <source>concentration at source</source>
        <translation>concentratie bij de bron</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="67"/>
        <source>accepted concentration at receptor</source>
        <translation>aanvaarde concentratie bij de receptor</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="113"/>
        <source>Robustness</source>
        <translation>Robuustheid</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="124"/>
        <source>Assessment &amp;range : </source>
        <translation>Beoordelings&amp;bereik : </translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="177"/>
        <source>Each value is where the class changes while every other input stays as it is; the factor is that value over the current one. — : no value the input checks accept reaches the bound. Inputs within a factor of 2 are marked as fragile.</source>
        <translation>Elke waarde is die waarbij de klasse verandert terwijl alle andere invoer blijft zoals hij is; de factor is die waarde gedeeld door de huidige. — : geen waarde die de invoercontroles aanvaarden bereikt de grens. Invoer binnen een factor 2 is als kwetsbaar gemarkeerd.</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="215"/>
        <source>plume length</source>
        <translation>lengte van de pluim</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="215"/>
        <source>attenuation factor</source>
        <translation>afnamefactor</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="231"/>
        <source>This assessment has problems: there are no break-even values.</source>
        <translation>Deze beoordeling heeft problemen: er zijn geen omslagwaarden.</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="233"/>
        <source>Robust: no single input changes the class within a factor of 2.</source>
        <translation>Robuust: geen enkele invoer verandert de klasse binnen een factor 2.</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="235"/>
        <source>Fragile: the class changes within a factor of 2 of %1.</source>
        <translation>Kwetsbaar: de klasse verandert binnen een factor 2 van %1.</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="247"/>
        <source>%1 at</source>
        <translation>%1 bij</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="249"/>
        <source>Input</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="249"/>
        <source>Current value</source>
        <translation>Huidige waarde</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="250"/>
        <location filename="../analysis/RobustnessDialog.cpp" line="251"/>
        <source>Factor</source>
        <translation>Factor</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="250"/>
        <source>Worse at</source>
        <translation>Slechter bij</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="251"/>
        <source>Better at</source>
        <translation>Beter bij</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="273"/>
        <source>There is no class beyond %1.</source>
        <translation>Er is geen klasse voorbij %1.</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="274"/>
        <source>No value of %1 that the input checks accept reaches %2.</source>
        <translation>Geen waarde van %1 die de invoercontroles aanvaarden bereikt %2.</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="277"/>
        <source>With %1 = %2 the class becomes %3 (all other inputs as they are).</source>
        <translation>Met %1 = %2 wordt de klasse %3 (alle andere invoer ongewijzigd).</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="292"/>
        <source>%1: fragile, the class changes within a factor of 2</source>
        <translation>%1: kwetsbaar, de klasse verandert binnen een factor 2</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="306"/>
        <source>Factor to the next class change (log scale)</source>
        <translation>Factor tot de volgende klassewissel (logaritmisch)</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="311"/>
        <location filename="../analysis/RobustnessDialog.cpp" line="312"/>
        <source>towards %1</source>
        <translation>richting %1</translation>
    </message>
</context>
<context>
    <name>SiteCharts</name>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="83"/>
        <source>%1 on %2</source>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="85"/>
        <location filename="../analysis/SiteCharts.cpp" line="166"/>
        <source>Detected</source>
        <translation>Aangetoond</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="86"/>
        <location filename="../analysis/SiteCharts.cpp" line="167"/>
        <source>Not detected (limit)</source>
        <translation>Niet aangetoond (grens)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="123"/>
        <source>Fit, slope %1 1/m</source>
        <translation>Fit, helling %1 1/m</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="127"/>
        <source>%1 % interval of the slope</source>
        <translation>%1 %-interval van de helling</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="142"/>
        <source>Distance from the source s [m]</source>
        <translation>Afstand tot de bron s [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="163"/>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="186"/>
        <source>Trend, k = %1 1/d</source>
        <translation>Trend, k = %1 1/d</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="197"/>
        <source>Sampling date</source>
        <translation>Bemonsteringsdatum</translation>
    </message>
</context>
<context>
    <name>SiteDataWindow</name>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="56"/>
        <source>Site data</source>
        <translation>Locatiegegevens</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="63"/>
        <source>&amp;Wells and samples</source>
        <translation>&amp;Peilbuizen en monsters</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="65"/>
        <source>&amp;Decay constant</source>
        <translation>&amp;Afbraakconstante</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="67"/>
        <source>&amp;Trends and redox</source>
        <translation>&amp;Trends en redox</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="71"/>
        <source>&amp;Plume as a whole</source>
        <translation>&amp;Pluim als geheel</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="76"/>
        <source>&amp;Flow field</source>
        <translation>&amp;Stromingsveld</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="84"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="114"/>
        <source>Monitoring wells</source>
        <translation>Peilbuizen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="116"/>
        <source>Add &amp;well</source>
        <translation>&amp;Peilbuis toevoegen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="129"/>
        <source>Samples (concentrations and indicators)</source>
        <translation>Monsters (concentraties en indicatoren)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="131"/>
        <source>Add &amp;sample</source>
        <translation>&amp;Monster toevoegen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="145"/>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importeren...</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="149"/>
        <source>&amp;Paste table</source>
        <translation>Tabel &amp;plakken</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="153"/>
        <source>Export w&amp;ells...</source>
        <translation>P&amp;eilbuizen exporteren...</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="154"/>
        <source>Export sa&amp;mples...</source>
        <translation>Mon&amp;sters exporteren...</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="160"/>
        <location filename="../analysis/SiteDataWindow.cpp" line="359"/>
        <source>Map &amp;names...</source>
        <translation>&amp;Namen koppelen...</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="167"/>
        <source>Slashed dates refused</source>
        <translation>Datum met / geweigerd</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="167"/>
        <source>Slashed dates day/month</source>
        <translation>Datum met / dag/maand</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="167"/>
        <source>Slashed dates month/day</source>
        <translation>Datum met / maand/dag</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="241"/>
        <source>Nothing imported:
%1</source>
        <translation>Niets geïmporteerd:
%1</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="247"/>
        <source>Imported %1 wells and %2 samples from %3.</source>
        <translation>%1 peilbuizen en %2 monsters geïmporteerd uit %3.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="251"/>
        <location filename="../analysis/SiteDataWindow.cpp" line="253"/>
        <source>
Note: %1</source>
        <translation>
Opmerking: %1</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="260"/>
        <source>
No contaminant or indicator has these names (kept as written; &quot;Map names&quot; names them):</source>
        <translation>
Geen verontreiniging of indicator heeft deze namen (bewaard zoals geschreven; &quot;Namen koppelen&quot; koppelt ze):</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="263"/>
        <source>
  &quot;%1&quot;: %2 samples</source>
        <translation>
  &quot;%1&quot;: %2 monsters</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="285"/>
        <source>Site tables (*.csv *.txt);;All files (*)</source>
        <translation>Locatietabellen (*.csv *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="295"/>
        <source>Cannot read %1: %2</source>
        <translation>Kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="324"/>
        <source>CSV tables (*.csv)</source>
        <translation>CSV-tabellen (*.csv)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="335"/>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="338"/>
        <source>Wrote %1.</source>
        <translation>%1 geschreven.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="347"/>
        <source>The clipboard holds no table.</source>
        <translation>Het klembord bevat geen tabel.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="351"/>
        <source>pasted table</source>
        <translation>geplakte tabel</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="359"/>
        <source>Map %1 unknown &amp;names...</source>
        <translation>%1 onbekende &amp;namen koppelen...</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="369"/>
        <source>Saved the names as the project&apos;s aliases.</source>
        <translation>De namen zijn opgeslagen als aliassen van het project.</translation>
    </message>
</context>
<context>
    <name>SiteDecayView</name>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="75"/>
        <source>&amp;Use as decay constant</source>
        <translation>&amp;Gebruiken als afbraakconstante</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="81"/>
        <source>&amp;Contaminant:</source>
        <translation>&amp;Verontreiniging:</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="82"/>
        <source>D&amp;ate:</source>
        <translation>D&amp;atum:</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="83"/>
        <source>&amp;Level:</source>
        <translation>&amp;Niveau:</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="140"/>
        <source>Wells in the fit</source>
        <translation>Peilbuizen in de fit</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="141"/>
        <source>Slope m</source>
        <translation>Helling m</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="143"/>
        <source>%1 % interval</source>
        <translation>%1 %-interval</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="147"/>
        <source>Bulk rate k = −m·v</source>
        <translation>Bulkafbraaksnelheid k = −m·v</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="149"/>
        <source>&lt;b&gt;λ&lt;/b&gt; (Buscheck–Alcantar)</source>
        <translation>&lt;b&gt;λ&lt;/b&gt; (Buscheck–Alcantar)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="152"/>
        <source>%1 % interval of λ</source>
        <translation>%1 %-interval van λ</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="154"/>
        <source>Half-life</source>
        <translation>Halfwaardetijd</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="161"/>
        <source>&lt;p&gt;Not detected, left out: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Niet aangetoond, weggelaten: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="181"/>
        <source>%1 is a daughter product in the decay chain %2.

Along the wells its concentration falls by its own decay less what its parent forms, so the fitted λ = %3 1/d is an apparent rate (formation minus decay), not the decay constant of %1. The decay chain adds the formation again.

Use it as the decay constant of %1 all the same?</source>
        <translation>%1 is een dochterproduct in de afbraakketen %2.

Langs de peilbuizen daalt de concentratie door de eigen afbraak min wat de moederstof vormt, dus de gefitte λ = %3 1/d is een schijnbare snelheid (vorming min afbraak), niet de afbraakconstante van %1. De afbraakketen telt de vorming weer op.

Toch gebruiken als afbraakconstante van %1?</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="187"/>
        <source>Virelo</source>
        <translation>Virelo</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="193"/>
        <source>λ = %1 1/d is now the user-defined decay constant of %2.</source>
        <translation>λ = %1 1/d is nu de door de gebruiker opgegeven afbraakconstante van %2.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="197"/>
        <source> The wells&apos; rate %1 1/d is λ·R with R = %2 (decay of dissolved and sorbed phase).</source>
        <translation> De snelheid van de peilbuizen %1 1/d is λ·R met R = %2 (afbraak van opgeloste en gesorbeerde fase).</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="205"/>
        <source>The project has no contaminant called %1.</source>
        <translation>Het project heeft geen verontreiniging met de naam %1.</translation>
    </message>
</context>
<context>
    <name>SiteFlowView</name>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="82"/>
        <source>Hydraulic gradient i = %1 from the %2.</source>
        <translation>Hydraulische gradiënt i = %1 uit: %2.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="85"/>
        <source>Hydraulic gradient: changed since i = %1 was taken from the heads; the heads no longer speak for it.</source>
        <translation>Hydraulische gradiënt: gewijzigd sinds i = %1 uit de stijghoogten is overgenomen; de stijghoogten onderbouwen hem niet meer.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="92"/>
        <source>Flow azimuth %1° from the %2.</source>
        <translation>Stromingsazimut %1° uit: %2.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="97"/>
        <source>Flow azimuth: changed since %1° was taken from the %2.</source>
        <translation>Stromingsazimut: gewijzigd sinds %1° is overgenomen uit: %2.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="100"/>
        <source>plume axis</source>
        <translation>pluimas</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="101"/>
        <source>heads</source>
        <translation>stijghoogten</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="117"/>
        <source>&amp;Place wells</source>
        <translation>Peilbuizen &amp;plaatsen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="119"/>
        <source>Site on the map</source>
        <translation>Locatie op de kaart</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="125"/>
        <source>Source easting [m]</source>
        <translation>Oostcoördinaat van de bron [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="126"/>
        <source>Source northing [m]</source>
        <translation>Noordcoördinaat van de bron [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="127"/>
        <source>Flow azimuth [° from north]</source>
        <translation>Stromingsazimut [° vanaf noord]</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="139"/>
        <source>Apply to a&amp;quifer</source>
        <translation>Toepassen op &amp;pakket</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="142"/>
        <source>Use as &amp;flow direction</source>
        <translation>Gebruiken als &amp;stromingsrichting</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="151"/>
        <source>Flow field from the heads</source>
        <translation>Stromingsveld uit de stijghoogten</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="154"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="192"/>
        <source>Use plume a&amp;xis as flow direction</source>
        <translation>Pluimas als stromingsrichting ge&amp;bruiken</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="202"/>
        <source>Plume axis from the concentrations</source>
        <translation>Pluimas uit de concentraties</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="205"/>
        <source>Contaminant</source>
        <translation>Verontreiniging</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="255"/>
        <source>No contaminant is detected at two or more wells with map coordinates to give the plume&apos;s axis.</source>
        <translation>Geen verontreiniging is in twee of meer peilbuizen met kaartcoördinaten aangetoond om de as van de pluim te bepalen.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="264"/>
        <source>Plume axis &lt;b&gt;%1°&lt;/b&gt; through %2 wells (concentration-weighted mean bearing from the source point; resultant length %3, 1 on one bearing).</source>
        <translation>Pluimas &lt;b&gt;%1°&lt;/b&gt; door %2 peilbuizen (concentratiegewogen gemiddelde richting vanaf het bronpunt; resulterende lengte %3, 1 bij één richting).</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="281"/>
        <source>No date has heads at three or more wells with map coordinates. Heads are samples of the analyte Head in m; the wells need easting and northing.</source>
        <translation>Geen datum heeft stijghoogten in drie of meer peilbuizen met kaartcoördinaten. Stijghoogten zijn monsters van de analyt Head in m; de peilbuizen hebben oost- en noordcoördinaat nodig.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="294"/>
        <source>%1 wells: gradient i = &lt;b&gt;%2&lt;/b&gt;, flow azimuth &lt;b&gt;%3&lt;/b&gt; (steepest descent, clockwise from north), rms residual %4 m.</source>
        <translation>%1 peilbuizen: gradiënt i = &lt;b&gt;%2&lt;/b&gt;, stromingsazimut &lt;b&gt;%3&lt;/b&gt; (steilste daling, met de klok mee vanaf noord), rms-residu %4 m.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="303"/>
        <source>&lt;br&gt;Residuals [m]: </source>
        <translation>&lt;br&gt;Residuen [m]: </translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="304"/>
        <source>&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; </source>
        <translation>&lt;br&gt;&lt;b&gt;Waarschuwing:&lt;/b&gt; </translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="307"/>
        <source>&lt;br&gt;Over %1 dates: mean flow azimuth %2°, circular standard deviation %3° (all within %4° to %5°).</source>
        <translation>&lt;br&gt;Over %1 datums: gemiddelde stromingsazimut %2°, circulaire standaardafwijking %3° (alle tussen %4° en %5°).</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="314"/>
        <source>&lt;br&gt;%1 well(s) with a head on this date have no map coordinates and are left out.</source>
        <translation>&lt;br&gt;%1 peilbuis/peilbuizen met een stijghoogte op deze datum hebben geen kaartcoördinaten en worden weggelaten.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="360"/>
        <source>%1° (%2 wells: no uncertainty)</source>
        <translation>%1° (%2 peilbuizen: geen onzekerheid)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="367"/>
        <source>any direction</source>
        <translation>elke richting</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="378"/>
        <source>The source point needs both easting and northing in metres.</source>
        <translation>Het bronpunt heeft oost- en noordcoördinaat in meters nodig.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="382"/>
        <source>The flow azimuth is given in degrees clockwise from north.</source>
        <translation>De stromingsazimut wordt in graden met de klok mee vanaf noord opgegeven.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="397"/>
        <source>The wells on the map have their s and y from the new map.</source>
        <translation>De peilbuizen op de kaart hebben hun s en y uit de nieuwe kaart.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="398"/>
        <source>The wells in map coordinates take their s and y once the map has both the source point and the flow azimuth.</source>
        <translation>De peilbuizen in kaartcoördinaten krijgen hun s en y zodra de kaart zowel het bronpunt als de stromingsazimut heeft.</translation>
    </message>
</context>
<context>
    <name>SiteMapPlan</name>
    <message>
        <location filename="../analysis/SiteMapPlan.cpp" line="93"/>
        <source>No wells with map coordinates. Import a wells table with the columns well,easting,northing to see them here.</source>
        <translation>Geen peilbuizen met kaartcoördinaten. Importeer een peilbuizentabel met de kolommen well,easting,northing om ze hier te zien.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteMapPlan.cpp" line="114"/>
        <source>Source</source>
        <translation>Bron</translation>
    </message>
    <message>
        <location filename="../analysis/SiteMapPlan.cpp" line="132"/>
        <source>solid: flow direction used; dashed: from the heads</source>
        <translation>doorgetrokken: gebruikte stromingsrichting; gestreept: uit de stijghoogten</translation>
    </message>
</context>
<context>
    <name>SitePlumeView</name>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="47"/>
        <source>no class</source>
        <translation>geen klasse</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="83"/>
        <source> days</source>
        <translation> dagen</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="85"/>
        <source>A sample date within this many days of the round&apos;s previous date joins that round. Saved with the project; the report and the lines of evidence use it too.</source>
        <translation>Een monsterdatum binnen zoveel dagen na de vorige datum van de meetronde hoort bij die ronde. Wordt met het project opgeslagen; het rapport en de bewijslijnen gebruiken het ook.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="95"/>
        <source>Round</source>
        <translation>Meetronde</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="95"/>
        <source>Wells</source>
        <translation>Peilbuizen</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="95"/>
        <source>Mass</source>
        <translation>Massa</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="95"/>
        <source>Mass, ND at limit</source>
        <translation>Massa, NA op grens</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="95"/>
        <source>Centre s [m]</source>
        <translation>Zwaartepunt s [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="96"/>
        <source>Centre y [m]</source>
        <translation>Zwaartepunt y [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="96"/>
        <source>Spread σs [m]</source>
        <translation>Spreiding σs [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="96"/>
        <source>Spread σy [m]</source>
        <translation>Spreiding σy [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="111"/>
        <source>Contaminant:</source>
        <translation>Verontreiniging:</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="113"/>
        <source>&amp;Rounds join within:</source>
        <translation>Meet&amp;rondes samen binnen:</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="129"/>
        <source>Mass discharge through transects, and the background</source>
        <translation>Vracht door raaien, en de achtergrond</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="143"/>
        <source>&amp;Background wells:</source>
        <translation>&amp;Achtergrondpeilbuizen:</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="162"/>
        <location filename="../analysis/SitePlumeView.cpp" line="195"/>
        <source>Transect</source>
        <translation>Raai</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="162"/>
        <source>Wells, separated by commas</source>
        <translation>Peilbuizen, gescheiden door komma&apos;s</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="169"/>
        <source>Add transect</source>
        <translation>Raai toevoegen</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="178"/>
        <source>Type the wells of the new transect, two or more, across the flow.</source>
        <translation>Typ de peilbuizen van de nieuwe raai, twee of meer, dwars op de stroming.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="182"/>
        <source>Remove transect</source>
        <translation>Raai verwijderen</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="195"/>
        <source>Rounds</source>
        <translation>Meetrondes</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="196"/>
        <source>Md latest [g/d]</source>
        <translation>Md laatste [g/d]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="196"/>
        <source>Md trend</source>
        <translation>Md-trend</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="196"/>
        <source>Next downstream</source>
        <translation>Volgende benedenstrooms</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="200"/>
        <source>none marked: the wells upstream of the source</source>
        <translation>geen gemarkeerd: de peilbuizen bovenstrooms van de bron</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="229"/>
        <source> per m of b</source>
        <translation> per m b</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="230"/>
        <source>Mass [%1]</source>
        <translation>Massa [%1]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="231"/>
        <source>Mass, ND at limit [%1]</source>
        <translation>Massa, NA op grens [%1]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="244"/>
        <source>No monitoring data: import the wells&apos; samples on &quot;Wells and samples&quot;.</source>
        <translation>Geen monitoringgegevens: importeer de monsters van de peilbuizen op &quot;Peilbuizen en monsters&quot;.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="246"/>
        <source>No mass: the wells with a value in every round are too few.</source>
        <translation>Geen massa: te weinig peilbuizen hebben in elke meetronde een waarde.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="249"/>
        <source>Estimator: linear along s between the wells, which lie nearly in a row (mass per metre of plume width).</source>
        <translation>Schatter: lineair langs s tussen de peilbuizen, die bijna op een rij liggen (massa per meter pluimbreedte).</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="251"/>
        <source>Estimator: linear on the Delaunay triangles of the wells, over their hull.</source>
        <translation>Schatter: lineair op de Delaunay-driehoeken van de peilbuizen, over hun omhullende.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="252"/>
        <source>Wells compared: %1.</source>
        <translation>Vergeleken peilbuizen: %1.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="253"/>
        <source>Mass: %1; centre of mass: %2; spread: %3.</source>
        <translation>Massa: %1; zwaartepunt: %2; spreiding: %3.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="257"/>
        <source>Mass half-life %1 d (%2 to %3).</source>
        <translation>Halfwaardetijd van de massa %1 d (%2 tot %3).</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="261"/>
        <source>Drift of the centre %1 m/d (%2 to %3) against v/R %4 m/d.</source>
        <translation>Verschuiving van het zwaartepunt %1 m/d (%2 tot %3) tegenover v/R %4 m/d.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="263"/>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="268"/>
        <source>&lt;b&gt;No light&lt;/b&gt;: four rounds of the same wells are needed, the site gives %1.</source>
        <translation>&lt;b&gt;Geen licht&lt;/b&gt;: vier meetrondes van dezelfde peilbuizen zijn nodig, de locatie geeft er %1.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="270"/>
        <source>&lt;b&gt;Plume light: &lt;span style=&quot;color:%1&quot;&gt;%2&lt;/span&gt;&lt;/b&gt;</source>
        <translation>&lt;b&gt;Pluimlicht: &lt;span style=&quot;color:%1&quot;&gt;%2&lt;/span&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="271"/>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="272"/>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="273"/>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="276"/>
        <source>Left out: %1</source>
        <translation>Weggelaten: %1</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="306"/>
        <source>No transect yet: &quot;Add transect&quot; and type the wells across the flow to see the mass discharge; the lines of evidence show it too.</source>
        <translation>Nog geen raai: &quot;Raai toevoegen&quot; en typ de peilbuizen dwars op de stroming om de vracht te zien; de bewijslijnen tonen die ook.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="313"/>
        <source>No mass discharge: %1</source>
        <translation>Geen vracht: %1</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="334"/>
        <source>Left out:
%1</source>
        <translation>Weggelaten:
%1</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="338"/>
        <source>Saturated thickness b not entered (Aquifer page): Md per metre of thickness.</source>
        <translation>Verzadigde dikte b niet ingevoerd (pagina Watervoerend pakket): Md per meter dikte.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="352"/>
        <source>Background well %1 is no longer in the site data and counts for nothing.</source>
        <translation>Achtergrondpeilbuis %1 staat niet meer in de locatiegegevens en telt niet mee.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="353"/>
        <source>Background wells %1 are no longer in the site data and count for nothing.</source>
        <translation>Achtergrondpeilbuizen %1 staan niet meer in de locatiegegevens en tellen niet mee.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="399"/>
        <source>There is no well %1: the background wells are as before.</source>
        <translation>Er is geen peilbuis %1: de achtergrondpeilbuizen blijven zoals ze waren.</translation>
    </message>
</context>
<context>
    <name>SiteTableModel</name>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="99"/>
        <location filename="../analysis/SiteTableModel.cpp" line="100"/>
        <source>Well</source>
        <translation>Peilbuis</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="99"/>
        <source>In fit</source>
        <translation>In fit</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="100"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="101"/>
        <source>Analyte</source>
        <translation>Analyt</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="101"/>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="102"/>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="102"/>
        <source>Non-detect</source>
        <translation>Niet aangetoond</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="178"/>
        <location filename="../analysis/SiteTableModel.cpp" line="302"/>
        <location filename="../analysis/SiteTableModel.cpp" line="309"/>
        <source>Not taken yet: %1</source>
        <translation>Nog niet overgenomen: %1</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="249"/>
        <source>%1: well: %2 is given other values on %3</source>
        <translation>%1: peilbuis: %2 heeft andere waarden dan in %3</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="259"/>
        <location filename="../analysis/SiteTableModel.cpp" line="280"/>
        <source>%1: well: %2 is no known well (add it with a wells table)</source>
        <translation>%1: peilbuis: %2 is geen bekende peilbuis (voeg die toe met een peilbuizentabel)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="266"/>
        <source>%1: value: %2 at %3 on %4 has another value than on %5</source>
        <translation>%1: waarde: %2 in %3 op %4 heeft een andere waarde dan in %5</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="357"/>
        <source>%1 wells, %2 samples.</source>
        <translation>%1 peilbuizen, %2 monsters.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="358"/>
        <source> %1 marked rows not taken yet.</source>
        <translation> %1 gemarkeerde rijen nog niet overgenomen.</translation>
    </message>
</context>
<context>
    <name>SiteTrendsView</name>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="52"/>
        <source>%1 (now %2 1/d, the preset under %3)</source>
        <translation>%1 (nu %2 1/d, de standaardwaarde onder %3)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="80"/>
        <location filename="../analysis/SiteTrendsView.cpp" line="86"/>
        <source>Well</source>
        <translation>Peilbuis</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="80"/>
        <source>k point [1/d]</source>
        <translation>k punt [1/d]</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="80"/>
        <source>Half-life [d]</source>
        <translation>Halfwaardetijd [d]</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="81"/>
        <source>Confidence</source>
        <translation>Betrouwbaarheid</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="81"/>
        <source>COV</source>
        <translation>VC</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="81"/>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="86"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="88"/>
        <source>Redox class</source>
        <translation>Redoxklasse</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="88"/>
        <source>Rests on</source>
        <translation>Berust op</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="88"/>
        <source>Missing</source>
        <translation>Ontbreekt</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="88"/>
        <source>Solvent score</source>
        <translation>Score oplosmiddelen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="88"/>
        <source>Why</source>
        <translation>Waarom</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="94"/>
        <source>A&amp;pply to aquifer</source>
        <translation>Toe&amp;passen op pakket</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="105"/>
        <source>C&amp;ontaminant:</source>
        <translation>Veront&amp;reiniging:</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="106"/>
        <source>&amp;Well:</source>
        <translation>&amp;Peilbuis:</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="120"/>
        <source>Redox indicators [mg/L] and their class (thresholds of the USGS redox framework)</source>
        <translation>Redoxindicatoren [mg/L] en hun klasse (drempels van het USGS-redoxschema)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="189"/>
        <source>%1
Points: %2
Not measured: %3
Not scored:
%4
Background: %5</source>
        <translation>%1
Punten: %2
Niet gemeten: %3
Niet gescoord:
%4
Achtergrond: %5</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="192"/>
        <source>No screening row measured: %1
Not scored:
%2
Background: %3</source>
        <translation>Geen screeningsrij gemeten: %1
Niet gescoord:
%2
Achtergrond: %3</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="198"/>
        <source>Suggested redox condition: &lt;b&gt;%1&lt;/b&gt; (%2). The aquifer has %3.</source>
        <translation>Voorgestelde redoxconditie: &lt;b&gt;%1&lt;/b&gt; (%2). Het watervoerend pakket heeft %3.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="208"/>
        <source> Applying it changes the preset decay constant of %1 assessed %2.</source>
        <translation> Toepassen wijzigt de standaardafbraakconstante van %1 beoordeelde %2.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="210"/>
        <source>contaminant</source>
        <translation>verontreiniging</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="210"/>
        <source>contaminants</source>
        <translation>verontreinigingen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="268"/>
        <source>Applying %1 to the aquifer changes the decay constant of assessed contaminants that use a database preset.</source>
        <translation>Het toepassen van %1 op het watervoerend pakket wijzigt de afbraakconstante van beoordeelde verontreinigingen die een standaardwaarde uit de database gebruiken.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="273"/>
        <source>

Under %1 the database has no decay constant for:
</source>
        <translation>

Onder %1 heeft de database geen afbraakconstante voor:
</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="276"/>
        <source>

Under %1 the database preset differs for:
</source>
        <translation>

Onder %1 wijkt de standaardwaarde uit de database af voor:
</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="277"/>
        <source>

Yes: apply it and keep their present decay constants as user-defined values.
No: apply it; they take the presets under %1%2.
Cancel: leave the aquifer as it is.</source>
        <translation>

Ja: toepassen en hun huidige afbraakconstanten bewaren als door de gebruiker opgegeven waarden.
Nee: toepassen; ze krijgen de standaardwaarden onder %1%2.
Annuleren: het watervoerend pakket laten zoals het is.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="281"/>
        <source>, and those without one are left without a decay constant</source>
        <translation>, en die zonder blijven zonder afbraakconstante</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="284"/>
        <source>Apply redox condition</source>
        <translation>Redoxconditie toepassen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="288"/>
        <source>Not applied: the aquifer keeps %1.</source>
        <translation>Niet toegepast: het watervoerend pakket houdt %1.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="304"/>
        <source>%1 applied to the aquifer.</source>
        <translation>%1 toegepast op het watervoerend pakket.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="305"/>
        <source> No assessed contaminant&apos;s decay constant changed.</source>
        <translation> Geen afbraakconstante van een beoordeelde verontreiniging is gewijzigd.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="317"/>
        <source> Kept as user-defined decay constants: %1.</source>
        <translation> Bewaard als door de gebruiker opgegeven afbraakconstanten: %1.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="318"/>
        <source> New presets: %1.</source>
        <translation> Nieuwe standaardwaarden: %1.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="320"/>
        <source> No decay constant now (enter one on the Contaminants page): %1.</source>
        <translation> Nu zonder afbraakconstante (vul er een in op de pagina Verontreinigingen): %1.</translation>
    </message>
</context>
<context>
    <name>TimeCharts</name>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="35"/>
        <source>Screening form</source>
        <translation>Screeningsvorm</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="39"/>
        <source>Exact solution</source>
        <translation>Exacte oplossing</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="70"/>
        <source>Concentration</source>
        <translation>Concentratie</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="71"/>
        <source>Concentration [%1]</source>
        <translation>Concentratie [%1]</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="98"/>
        <source>%1 years (%2)</source>
        <translation>%1 jaar (%2)</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="108"/>
        <source>Time since the source appeared [years]</source>
        <translation>Tijd sinds het ontstaan van de bron [jaar]</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="109"/>
        <source>Time since the source appeared [d]</source>
        <translation>Tijd sinds het ontstaan van de bron [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="110"/>
        <source>At the receptor</source>
        <translation>Bij de receptor</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="116"/>
        <source>Distance from the source [m]</source>
        <translation>Afstand tot de bron [m]</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="117"/>
        <source>Centre line after %1</source>
        <translation>Hartlijn na %1</translation>
    </message>
</context>
<context>
    <name>TimeWindow</name>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="77"/>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="85"/>
        <source>Contaminant:</source>
        <translation>Verontreiniging:</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="104"/>
        <source>Time:</source>
        <translation>Tijd:</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="127"/>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="128"/>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="148"/>
        <source>Cancelled: press Run to compute the times again.</source>
        <translation>Geannuleerd: druk op Starten om de tijden opnieuw te berekenen.</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="150"/>
        <source>The times could not be computed (out of memory).</source>
        <translation>De tijden konden niet worden berekend (onvoldoende geheugen).</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="161"/>
        <source>No contaminant is assessed by the attenuation factor without problems: there is no receptor concentration to follow over time.</source>
        <translation>Geen verontreiniging wordt zonder problemen met de afnamefactor beoordeeld: er is geen concentratie bij de receptor om in de tijd te volgen.</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="199"/>
        <source>Computing the times of %1 contaminants...</source>
        <translation>De tijden van %1 verontreinigingen worden berekend...</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="219"/>
        <source> The steady values decay at lambda R and so differ from those without sorption.</source>
        <translation> De stationaire waarden nemen af met lambda R en verschillen dus van die zonder sorptie.</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="221"/>
        <source>
Decay chain: %1; in %2.</source>
        <translation>
Afbraakketen: %1; in %2.</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="222"/>
        <source>the project&apos;s unit</source>
        <translation>de eenheid van het project</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="224"/>
        <source>
No screening values: </source>
        <translation>
Geen screeningswaarden: </translation>
    </message>
</context>
<context>
    <name>TimingTableModel</name>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="16"/>
        <source>Contaminant</source>
        <translation>Verontreiniging</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="18"/>
        <source>Front [d]</source>
        <translation>Front [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="19"/>
        <source>t50 screening [d]</source>
        <translation>t50 screening [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="20"/>
        <source>t50 exact [d]</source>
        <translation>t50 exact [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="21"/>
        <source>t95 screening [d]</source>
        <translation>t95 screening [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="22"/>
        <source>t95 exact [d]</source>
        <translation>t95 exact [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="23"/>
        <source>Above CA, screening [d]</source>
        <translation>Boven CA, screening [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="24"/>
        <source>Above CA, exact [d]</source>
        <translation>Boven CA, exact [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="25"/>
        <source>Below CA again, exact [d]</source>
        <translation>Weer onder CA, exact [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="26"/>
        <source>Peak C/C0 (chain: C), exact</source>
        <translation>Piek C/C0 (keten: C), exact</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="27"/>
        <source>Peak time, exact [d]</source>
        <translation>Piektijd, exact [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="28"/>
        <source>Source ks [1/d]</source>
        <translation>Bron ks [1/d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="29"/>
        <source>Source at target [d]</source>
        <translation>Bron op doel [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="80"/>
        <source>constant</source>
        <translation>constant</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="93"/>
        <source>Followed through its decay chain: concentrations in the project&apos;s unit.</source>
        <translation>Gevolgd door de afbraakketen: concentraties in de eenheid van het project.</translation>
    </message>
</context>
<context>
    <name>TransportDialog</name>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="57"/>
        <source>constant</source>
        <translation>constant</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="58"/>
        <source>decaying at ks</source>
        <translation>afnemend met ks</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="60"/>
        <source>decaying from mass M0</source>
        <translation>afnemend vanuit massa M0</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="69"/>
        <source>Sorption and source</source>
        <translation>Sorptie en bron</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="79"/>
        <source>Aquifer</source>
        <translation>Watervoerend pakket</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="96"/>
        <source>&amp;Bulk density ( rho_b ) :</source>
        <translation>&amp;Bulkdichtheid ( rho_b ) :</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="97"/>
        <source>Fraction of &amp;organic carbon ( foc ) :</source>
        <translation>Fractie &amp;organisch koolstof ( foc ) :</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="98"/>
        <source>&amp;Decay of dissolved and sorbed phase</source>
        <translation>&amp;Afbraak van opgeloste en gesorbeerde fase</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="116"/>
        <source>Contaminant</source>
        <translation>Verontreiniging</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="116"/>
        <source>Koc [L/kg]</source>
        <translation>Koc [L/kg]</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="116"/>
        <source>Koc source</source>
        <translation>Koc-herkomst</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="116"/>
        <source>Source</source>
        <translation>Bron</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="118"/>
        <source>Source decay</source>
        <translation>Afname van de bron</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="125"/>
        <source>&amp;Koc from the bundled database</source>
        <translation>&amp;Koc uit de meegeleverde database</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="143"/>
        <source>Show the contaminants &amp;not assessed</source>
        <translation>&amp;Niet beoordeelde verontreinigingen tonen</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="210"/>
        <location filename="../analysis/TransportDialog.cpp" line="283"/>
        <source>1 (no Koc)</source>
        <translation>1 (geen Koc)</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="273"/>
        <source>%1: the Koc source is longer than %2 characters</source>
        <translation>%1: de Koc-herkomst is langer dan %2 tekens</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="288"/>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="291"/>
        <source>not known</source>
        <translation>niet bekend</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="296"/>
        <source>ks = Q C0 / M0 with Q = Kf i W H = %1 m3/d</source>
        <translation>ks = Q C0 / M0 met Q = Kf i W H = %1 m3/d</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="309"/>
        <source>The steady state decays at lambda * R: the plume length, the attenuation factor and their verdicts change for every contaminant with R &gt; 1.</source>
        <translation>De stationaire toestand neemt af met lambda * R: de lengte van de pluim, de afnamefactor en hun oordelen veranderen voor elke verontreiniging met R &gt; 1.</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="311"/>
        <source>Decay acts on the dissolved phase only: sorption delays the plume but changes no steady-state value or verdict.</source>
        <translation>Afbraak werkt alleen op de opgeloste fase: sorptie vertraagt de pluim maar verandert geen stationaire waarde of oordeel.</translation>
    </message>
</context>
<context>
    <name>UncertaintyResultsView</name>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="68"/>
        <source>Contaminant</source>
        <translation>Verontreiniging</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="69"/>
        <source>Assessment</source>
        <translation>Beoordeling</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="70"/>
        <source>P(Green)</source>
        <translation>P(Groen)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="71"/>
        <source>P(Yellow)</source>
        <translation>P(Geel)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="72"/>
        <source>P(Red)</source>
        <translation>P(Rood)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="75"/>
        <source>ratio 5 %</source>
        <translation>verhouding 5 %</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="117"/>
        <source>Results of the last run (not saved with the project)</source>
        <translation>Resultaten van de laatste run (niet met het project opgeslagen)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="139"/>
        <source>Input</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="139"/>
        <source>Rank corr.</source>
        <translation>Rangcorr.</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="139"/>
        <source>Raising it</source>
        <translation>Verhogen</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="187"/>
        <source>: the project&apos;s own inputs have problems (see the results page).</source>
        <translation>: de eigen invoer van het project heeft problemen (zie de pagina Resultaten).</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="191"/>
        <source>%1, %2: Green %3, Yellow %4, Red %5 (each ± %6 or better) from %7 samples; the ratio %8 in 90 % of them.</source>
        <translation>%1, %2: Groen %3, Geel %4, Rood %5 (elk ± %6 of beter) uit %7 trekkingen; de verhouding %8 in 90 % ervan.</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="196"/>
        <source>lies between %1 and %2</source>
        <translation>ligt tussen %1 en %2</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="208"/>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="213"/>
        <source>hardly matters</source>
        <translation>nauwelijks van belang</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="214"/>
        <source>raises ratio</source>
        <translation>verhoogt verhouding</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="215"/>
        <source>lowers ratio</source>
        <translation>verlaagt verhouding</translation>
    </message>
</context>
<context>
    <name>UncertaintyTexts</name>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="12"/>
        <source>x, distance to receptor (m)</source>
        <translation>x, afstand tot de receptor (m)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="14"/>
        <source>Kf, hydraulic conductivity (m/d)</source>
        <translation>Kf, doorlatendheid (m/d)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="15"/>
        <source>i, hydraulic gradient</source>
        <translation>i, hydraulische gradiënt</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="16"/>
        <source>ne, effective porosity</source>
        <translation>ne, effectieve porositeit</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="18"/>
        <source>ax, longitudinal dispersivity (m)</source>
        <translation>ax, longitudinale dispersielengte (m)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="20"/>
        <source>ay, transverse dispersivity (m)</source>
        <translation>ay, transversale dispersielengte (m)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="22"/>
        <source>az, vertical dispersivity (m)</source>
        <translation>az, verticale dispersielengte (m)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="23"/>
        <source>source width (m)</source>
        <translation>bronbreedte (m)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="25"/>
        <source>source thickness (m)</source>
        <translation>brondikte (m)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="27"/>
        <source>lambda, decay constant (1/d)</source>
        <translation>lambda, afbraakconstante (1/d)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="29"/>
        <source>C0, concentration at source</source>
        <translation>C0, concentratie bij de bron</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="31"/>
        <source>CA, accepted concentration at receptor</source>
        <translation>CA, aanvaarde concentratie bij de receptor</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="38"/>
        <source>fixed</source>
        <translation>vast</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="39"/>
        <source>uniform</source>
        <translation>uniform</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="40"/>
        <source>log-uniform</source>
        <translation>log-uniform</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="41"/>
        <source>triangular</source>
        <translation>driehoekig</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="42"/>
        <source>normal</source>
        <translation>normaal</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="43"/>
        <source>lognormal</source>
        <translation>lognormaal</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="51"/>
        <source>keeps the project&apos;s value</source>
        <translation>houdt de waarde van het project</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="53"/>
        <source>min, max</source>
        <translation>min, max</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="55"/>
        <source>min, mode, max</source>
        <translation>min, modus, max</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="57"/>
        <source>mean, sd [, min, max]</source>
        <translation>gemiddelde, sd [, min, max]</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="59"/>
        <source>median, geometric sd [, min, max]</source>
        <translation>mediaan, geometrische sd [, min, max]</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="65"/>
        <source>plume length</source>
        <translation>lengte van de pluim</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="68"/>
        <source>AF, exact solution</source>
        <translation>AF, exacte oplossing</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="70"/>
        <source>AF, worse of the two</source>
        <translation>AF, slechtste van de twee</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="71"/>
        <source>attenuation factor</source>
        <translation>afnamefactor</translation>
    </message>
</context>
<context>
    <name>UncertaintyWindow</name>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="51"/>
        <source>Uncertainty</source>
        <translation>Onzekerheid</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="59"/>
        <source>&amp;Run</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="61"/>
        <source>&amp;Cancel run</source>
        <translation>Run &amp;annuleren</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="141"/>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="143"/>
        <source>Re&amp;move</source>
        <translation>Ver&amp;wijderen</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="164"/>
        <source>&amp;Samples :</source>
        <translation>&amp;Trekkingen :</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="166"/>
        <source>S&amp;eed :</source>
        <translation>Start&amp;waarde :</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="183"/>
        <source>Distributions (every other input keeps its value)</source>
        <translation>Verdelingen (alle andere invoer houdt zijn waarde)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="289"/>
        <source>The inputs changed while the run drew its samples; its results were dropped. Run again.</source>
        <translation>De invoer veranderde terwijl de run zijn trekkingen deed; de resultaten zijn verworpen. Start opnieuw.</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="292"/>
        <source>The run needed more memory than there is; try fewer samples.</source>
        <translation>De run had meer geheugen nodig dan er is; probeer minder trekkingen.</translation>
    </message>
</context>
<context>
    <name>VerdictMarks</name>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="95"/>
        <source>Screening model: %1, C(x)/C0 = %2 (C0/C = %3)
Exact solution: %4, C(x)/C0 = %5 (C0/C = %6)</source>
        <translation>Screeningsmodel: %1, C(x)/C0 = %2 (C0/C = %3)
Exacte oplossing: %4, C(x)/C0 = %5 (C0/C = %6)</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="106"/>
        <source>
The exact concentration at the receptor is %1 times the screening value.</source>
        <translation>
De exacte concentratie bij de receptor is %1 maal de screeningswaarde.</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="109"/>
        <source>
The verdict is that of the %1.</source>
        <translation>
Het oordeel volgt de basis van het oordeel: %1.</translation>
    </message>
    <message>
        <location filename="../pages/LambdaIntervalMarks.cpp" line="32"/>
        <source>Decay constant from the site&apos;s wells: %1</source>
        <translation>Afbraakconstante uit de peilbuizen van de locatie: %1</translation>
    </message>
    <message>
        <location filename="../pages/ResultVerdict.cpp" line="43"/>
        <source>Straddles CA: the screening model predicts %1 at the receptor, the exact solution %2; CA is %3.
Whether the receptor exceeds CA depends on the model.</source>
        <translation>Aan weerszijden van CA: het screeningsmodel voorspelt %1 bij de receptor, de exacte oplossing %2; CA is %3.
Of de receptor CA overschrijdt, hangt af van het model.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="47"/>
        <source>by the screening model</source>
        <translation>volgens het screeningsmodel</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="48"/>
        <source>by the exact solution</source>
        <translation>volgens de exacte oplossing</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="49"/>
        <source>by the worse of the two models</source>
        <translation>volgens het ongunstigste van beide modellen</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="75"/>
        <source>Decay chain %1: %2. </source>
        <translation>Afbraakketen %1: %2. </translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="78"/>
        <source>C(x) = %1 at the receptor %2, CA = %3.</source>
        <translation>C(x) = %1 bij de receptor %2, CA = %3.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="81"/>
        <source>Plug flow along the chain never brings it below CA = %1.</source>
        <translation>Bij propstroming langs de keten komt de stof nooit onder CA = %1.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="84"/>
        <source>Plug flow along the chain never brings it up to CA = %1.</source>
        <translation>Bij propstroming langs de keten bereikt de stof CA = %1 nooit.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="87"/>
        <source>Plug flow along the chain keeps it at or above CA = %1 up to %2 from the source, %3 times the distance x.</source>
        <translation>Bij propstroming langs de keten blijft de stof tot %2 van de bron, %3 maal de afstand x, op of boven CA = %1.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="93"/>
        <source>
Data &gt; Decay chain shows the chain.</source>
        <translation>
Gegevens &gt; Afbraakketen toont de keten.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="106"/>
        <source>The site&apos;s wells give no class: %1</source>
        <translation>De peilbuizen van de locatie geven geen klasse: %1</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="112"/>
        <source>%1 over the slope&apos;s whole %2 % interval</source>
        <translation>%1 over het hele %2 %-interval van de helling</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="115"/>
        <source>%1 to %2 over the slope&apos;s %3 % interval</source>
        <translation>%1 tot %2 over het %3 %-interval van de helling</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="119"/>
        <source>The site&apos;s wells, distance fit of %1 (slope %2 per m): extrapolated to the receptor, C(x) = exp(a + m x) = %3 against CA = %4: %5; %6.</source>
        <translation>De peilbuizen van de locatie, afstandsfit van %1 (helling %2 per m): geëxtrapoleerd naar de receptor C(x) = exp(a + m x) = %3 tegen CA = %4: %5; %6.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="131"/>
        <source>%1 (s = %2, y = %3): measured %4, screening model %5, exact solution %6, %7 times the model</source>
        <translation>%1 (s = %2, y = %3): gemeten %4, screeningsmodel %5, exacte oplossing %6, %7 maal het model</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="139"/>
        <source>under</source>
        <translation>eronder</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="140"/>
        <source>The model underpredicts the wells: %1.
Marked where a well in the fit holds more than %2 times the %3.</source>
        <translation>Het model onderschat de peilbuizen: %1.
Gemarkeerd waar een peilbuis in de fit meer dan %2 maal de waarde volgens %3 bevat.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="157"/>
        <source>the exact solution (the worse of the two)</source>
        <translation>de exacte oplossing (de ongunstigste van beide)</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="158"/>
        <source>the exact solution</source>
        <translation>de exacte oplossing</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="159"/>
        <source>the decay chain</source>
        <translation>de afbraakketen</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="160"/>
        <source>the site&apos;s wells</source>
        <translation>de peilbuizen van de locatie</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="162"/>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="163"/>
        <source>Verdict: %1. %2 alone gives %3; %4 made it worse.</source>
        <translation>Oordeel: %1. %2 alleen geeft %3; verslechterd door %4.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="165"/>
        <source>The plume length</source>
        <translation>De pluimlengte</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="165"/>
        <source>The screening model</source>
        <translation>Het screeningsmodel</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="181"/>
        <source>Target %1 from the wells: C0 · CA / C(x) of the wells&apos; line.</source>
        <translation>Saneringsdoel %1 uit de peilbuizen: C0 · CA / C(x) van de lijn van de peilbuizen.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="182"/>
        <source>Target %1 from the chain: C0 · CA / C(x) of the chain, its sources scaled alike.</source>
        <translation>Saneringsdoel %1 uit de keten: C0 · CA / C(x) van de keten, haar bronnen gelijk geschaald.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="213"/>
        <source>Verdict: %1, by its decay chain. Its own inputs allow no single-species model: their problems hold for that model only (right-click: Show problems).</source>
        <translation>Oordeel: %1, volgens de afbraakketen. De eigen invoer laat geen model voor de stof alleen toe: de problemen gelden alleen voor dat model (rechtsklik: Problemen tonen).</translation>
    </message>
</context>
</TS>
