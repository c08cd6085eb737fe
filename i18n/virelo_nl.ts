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
    <name>CPropAqui</name>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="108"/>
        <source>Used for the plume&apos;s dissolved mass and the mass discharge (Site data). Left empty, the mass is per metre of thickness.</source>
        <translation>Voor de vracht in de pluim en de vracht door raaien (Locatiegegevens). Leeg gelaten geldt de massa per meter dikte.</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="147"/>
        <location filename="../pages/CPropAqui.cpp" line="173"/>
        <source>Effective porosity ( ne )  &lt;= 1.0  :</source>
        <translation>Effectieve porositeit ( ne )  &lt;= 1.0  :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="163"/>
        <source>Distance source - receptor</source>
        <translation>Afstand bron - receptor</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="168"/>
        <source>Hydraulic parameters</source>
        <translation>Hydraulische parameters</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="171"/>
        <source>Hydraulic conductivity ( Kf ) :</source>
        <translation>Doorlatendheid ( Kf ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="172"/>
        <source>Hydraulic gradient ( i ) : </source>
        <translation>Hydraulische gradiënt ( i ) : </translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="176"/>
        <source>Saturated thickness ( b ) :</source>
        <translation>Verzadigde dikte ( b ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="189"/>
        <source>Width across the flow</source>
        <translation>Breedte dwars op de stroming</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="189"/>
        <source>water table ( Sz ) :</source>
        <translation>grondwaterspiegel ( Sz ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="189"/>
        <location filename="../pages/CPropAqui.cpp" line="215"/>
        <source>ay (across, horizontal) :</source>
        <translation>ay (dwars, horizontaal) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="196"/>
        <source>Contaminant source</source>
        <translation>Bronzone</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="199"/>
        <source>Width across the flow
( W = 2 Sy ) :</source>
        <translation>Breedte dwars op de stroming
( W = 2 Sy ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="200"/>
        <source>Thickness below the
water table ( Sz ) :</source>
        <translation>Dikte onder de
grondwaterspiegel ( Sz ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="202"/>
        <source>Approximate by &amp;x</source>
        <translation>Schatten uit &amp;x</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="210"/>
        <source>Dispersivity (3 Dimensions)</source>
        <translation>Dispersielengte (3 dimensies)</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="214"/>
        <source>ax (along the flow) :</source>
        <translation>ax (langs de stroming) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="216"/>
        <source>az (vertical) :</source>
        <translation>az (verticaal) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="219"/>
        <source>Only used for calculation attenuation factor ( AF )</source>
        <translation>Alleen voor de afnamefactor ( AF )</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="242"/>
        <source>Redox conditions</source>
        <translation>Redoxcondities</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="256"/>
        <source>&amp;Unknown / variable</source>
        <translation>&amp;Onbekend / wisselend</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="257"/>
        <source>&amp;Aerobic conditions</source>
        <translation>&amp;Aërobe condities</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="258"/>
        <source>Anaerobic &amp;mixed plumes</source>
        <translation>Anaëroob, ge&amp;mengde pluimen</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="259"/>
        <source>Anaerobic &amp;NO3</source>
        <translation>Anaëroob &amp;NO3</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="260"/>
        <source>Anaerobic &amp;SO4</source>
        <translation>Anaëroob &amp;SO4</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="261"/>
        <source>Anaerobic &amp;Fe</source>
        <translation>Anaëroob &amp;Fe</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="262"/>
        <source>Anaerobic &amp;CH4</source>
        <translation>Anaëroob &amp;CH4</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="274"/>
        <source>Si&amp;te data...</source>
        <translation>Loca&amp;tiegegevens...</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="281"/>
        <source>Generic decay constant available for following contaminants :</source>
        <translation>Generieke afbraakconstante beschikbaar voor deze stoffen :</translation>
    </message>
</context>
<context>
    <name>CPropConts</name>
    <message>
        <location filename="../pages/CPropConts.cpp" line="158"/>
        <source>Select contaminants:</source>
        <translation>Stoffen kiezen:</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="165"/>
        <source>Assess plume &amp;length</source>
        <translation>&amp;Lengte van de pluim beoordelen</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="168"/>
        <source>Assess &amp;attenuation factor</source>
        <translation>&amp;Afnamefactor beoordelen</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="173"/>
        <source>75th percentile of observed plume lengths in the literature : </source>
        <translation>75e percentiel van waargenomen pluimlengtes in de literatuur : </translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="195"/>
        <source>Concentrations (same unit e.g. mg/l)</source>
        <translation>Concentraties (zelfde eenheid, bijv. mg/l)</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="200"/>
        <source>Concentration at source ( C0 ) :</source>
        <translation>Concentratie bij de bron ( C0 ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="201"/>
        <source>Acceptable concentration at receptor ( CA ) :</source>
        <translation>Toelaatbare concentratie bij receptor ( CA ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="243"/>
        <source>Decay constant ( lambda )</source>
        <translation>Afbraakconstante ( lambda )</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="245"/>
        <source>Use &amp;preset :</source>
        <translation>&amp;Voorinstelling :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="252"/>
        <source>User defined :</source>
        <translation>Eigen waarde :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="264"/>
        <source>reference, report or wells the value comes from</source>
        <translation>bron, rapport of peilbuizen van de waarde</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="265"/>
        <source>Its source :</source>
        <translation>Bron :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="392"/>
        <source>( by %1 entries )</source>
        <translation>( uit %1 vermeldingen )</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="393"/>
        <source>( by ? entries )</source>
        <translation>( uit ? vermeldingen )</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="395"/>
        <source>no literature plume length available</source>
        <translation>geen pluimlengte uit de literatuur</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="414"/>
        <source>No preset data available!</source>
        <translation>Geen voorinstelling beschikbaar!</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="471"/>
        <source>Source: unknown, the literature table %1 is not installed</source>
        <translation>Bron: onbekend, de literatuurtabel %1 is niet geïnstalleerd</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="474"/>
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
        <location filename="../pages/CPropResults.cpp" line="251"/>
        <source>Show &amp;problems</source>
        <translation>&amp;Problemen tonen</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="267"/>
        <source>&amp;Robustness...</source>
        <translation>&amp;Robuustheid...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="271"/>
        <source>Show p&amp;lume...</source>
        <translation>P&amp;luim tonen...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="130"/>
        <source>&amp;Verdict basis : </source>
        <translation>&amp;Basis oordeel : </translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="135"/>
        <source>Which model&apos;s receptor concentration decides the class of the attenuation factor</source>
        <translation>Welk model met zijn concentratie bij de receptor de klasse van de afnamefactor bepaalt</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="167"/>
        <source>Plume length :</source>
        <translation>Lengte van de pluim :</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="167"/>
        <source>Attenuation factor :</source>
        <translation>Afnamefactor :</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="170"/>
        <source>Assessment range : </source>
        <translation>Beoordelingsbereik : </translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="178"/>
        <source>Ro&amp;bustness...</source>
        <translation>Ro&amp;buustheid...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="181"/>
        <source>How far each input is from changing the marked result&apos;s class</source>
        <translation>Hoe ver elke invoer van een andere klasse van het gemarkeerde resultaat ligt</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="191"/>
        <source>Pl&amp;ume...</source>
        <translation>Pl&amp;uim...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="193"/>
        <source>Centre line and plan view of the selected contaminant&apos;s plume</source>
        <translation>Middellijn en bovenaanzicht van de pluim van de gekozen stof</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="202"/>
        <source>Uncer&amp;tainty...</source>
        <translation>Onzeker&amp;heid...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="204"/>
        <source>The probability of each class from ranges of the inputs</source>
        <translation>De kans op elke klasse uit bereiken van de invoer</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="209"/>
        <source>&amp;Chain...</source>
        <translation>&amp;Keten...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="211"/>
        <source>The project&apos;s decay chains: parents and the daughters they form</source>
        <translation>De afbraakketens van het project: moederstoffen en de dochters die ze vormen</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="306"/>
        <source>Plume extension</source>
        <translation>Pluimlengte</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="306"/>
        <source>Acceptable concentration at source</source>
        <translation>Toelaatbare concentratie bij de bron</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="308"/>
        <source>Distance source receptor</source>
        <translation>Afstand bron receptor</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="308"/>
        <source>Concentration at source</source>
        <translation>Concentratie bij de bron</translation>
    </message>
</context>
<context>
    <name>ContaminantEditorDialog</name>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="129"/>
        <source>Edit contaminant data</source>
        <translation>Stofgegevens bewerken</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="140"/>
        <source>Contaminants</source>
        <translation>Stoffen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="179"/>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="191"/>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="192"/>
        <source>Group:</source>
        <translation>Groep:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="196"/>
        <source>75th percentile of observed plume lengths in literature: </source>
        <translation>75e percentiel van waargenomen pluimlengtes in de literatuur: </translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="200"/>
        <source>75th percentile [m] :</source>
        <translation>75e percentiel [m] :</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="201"/>
        <source>Number of lit. entries:</source>
        <translation>Aantal lit.-vermeldingen:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="204"/>
        <source>Decay constants (lambda)  [1/d]</source>
        <translation>Afbraakconstanten (lambda)  [1/d]</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="213"/>
        <source>aerobic:</source>
        <translation>aëroob:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="214"/>
        <source>anerobic nitrate (NO3):</source>
        <translation>anaëroob nitraat (NO3):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="215"/>
        <source>anaerobic iron (Fe):</source>
        <translation>anaëroob ijzer (Fe):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="216"/>
        <source>anaerobic sulfate (SO4):</source>
        <translation>anaëroob sulfaat (SO4):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="217"/>
        <source>anaerobic mixed plumes:</source>
        <translation>anaëroob, gemengde pluimen:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="218"/>
        <source>anaerobic methan (CH4):</source>
        <translation>anaëroob methaan (CH4):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="219"/>
        <source>unknown / variable :</source>
        <translation>onbekend / wisselend :</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="221"/>
        <source>aerobic</source>
        <translation>aëroob</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="222"/>
        <source>anaerobic methan (CH4)</source>
        <translation>anaëroob methaan (CH4)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="223"/>
        <source>anaerobic iron (Fe)</source>
        <translation>anaëroob ijzer (Fe)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="224"/>
        <source>anaerobic mixed plumes</source>
        <translation>anaëroob, gemengde pluimen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="225"/>
        <source>anerobic nitrate (NO3)</source>
        <translation>anaëroob nitraat (NO3)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="226"/>
        <source>anaerobic sulfate (SO4)</source>
        <translation>anaëroob sulfaat (SO4)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="227"/>
        <source>unknown / variable</source>
        <translation>onbekend / wisselend</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="234"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="235"/>
        <source>Abbrechen</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="242"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="277"/>
        <source>&amp;Add contaminant</source>
        <translation>Stof &amp;toevoegen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="278"/>
        <source>&amp;Remove selected</source>
        <translation>Selectie &amp;verwijderen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="418"/>
        <source>A decay constant must not be negative; kept as it was:
</source>
        <translation>Een afbraakconstante mag niet negatief zijn; ongewijzigd gelaten:
</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="419"/>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="589"/>
        <source>Virelo</source>
        <translation>Virelo</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="589"/>
        <source>Failed to launch help.</source>
        <translation>De help kon niet worden geopend.</translation>
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
        <location filename="../platform/HelpViewer.cpp" line="36"/>
        <source>Virelo Help</source>
        <translation>Virelo-help</translation>
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
    <name>ProblemsDialog</name>
    <message>
        <location filename="../pages/ProblemsDialog.cpp" line="22"/>
        <source>Problems</source>
        <translation>Problemen</translation>
    </message>
    <message>
        <location filename="../pages/ProblemsDialog.cpp" line="28"/>
        <source>OK</source>
        <translation>OK</translation>
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
    <name>ResultListModel</name>
    <message>
        <location filename="../pages/ResultColumns.cpp" line="41"/>
        <location filename="../pages/ResultListModel.cpp" line="276"/>
        <source>Contaminant</source>
        <translation>Stof</translation>
    </message>
    <message>
        <location filename="../pages/ResultColumns.cpp" line="46"/>
        <location filename="../pages/ResultListModel.cpp" line="271"/>
        <source>Margin</source>
        <translation>Marge</translation>
    </message>
    <message>
        <location filename="../pages/ResultColumns.cpp" line="52"/>
        <location filename="../pages/ResultListModel.cpp" line="245"/>
        <source>Marks</source>
        <translation>Kenmerken</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="209"/>
        <source>Fragile: the class changes within a factor of 2 of %1.</source>
        <translation>Wankel: de klasse verandert binnen een factor 2 van %1.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="211"/>
        <source>The smallest change of one input that changes the class.</source>
        <translation>De kleinste wijziging van één invoer die de klasse verandert.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="212"/>
        <source>No single input changes the class.</source>
        <translation>Geen enkele invoer verandert de klasse.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="249"/>
        <source>What else bears on the verdict: its decay chain (chain), the site&apos;s wells (wells), a model beneath the wells (under), a decay constant from the wells (λ), models on both sides of CA (±CA). Rest the mouse on a mark to read it.</source>
        <translation>Wat verder meeweegt in het oordeel: de afbraakketen (chain), de peilbuizen van de locatie (wells), een model onder de peilbuizen (under), een afbraakconstante uit de peilbuizen (λ), modellen aan beide kanten van CA (±CA). Houd de muis op een kenmerk om het te lezen.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="254"/>
        <source>The probability of each class from the last uncertainty run</source>
        <translation>De kans op elke klasse uit de laatste onzekerheidsberekening</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="256"/>
        <source>C(x) exact [%1]</source>
        <translation>C(x) exact [%1]</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="257"/>
        <source>Target C [%1]</source>
        <translation>Doel C [%1]</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="259"/>
        <source>Concentration the screening model predicts at the receptor: C0 · C(x)/C0</source>
        <translation>Concentratie die het screeningsmodel bij de receptor voorspelt: C0 · C(x)/C0</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="260"/>
        <source>Concentration the exact solution predicts at the receptor; marked where the two models fall on opposite sides of CA</source>
        <translation>Concentratie die de exacte oplossing bij de receptor voorspelt; gemarkeerd waar de twee modellen aan weerszijden van CA liggen</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="263"/>
        <source>Remedial target: the source concentration C = CA · AF at which the receptor just meets CA, under the verdict basis</source>
        <translation>Saneringsdoel: de bronconcentratie C = CA · AF waarbij de receptor CA net haalt, volgens de basis van het oordeel</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="273"/>
        <source>The smallest factor by which one input would change the class; marked where it is within a factor of 2 (a fragile verdict)</source>
        <translation>De kleinste factor waarmee één invoer de klasse zou veranderen; gemarkeerd waar die binnen een factor 2 ligt (een wankel oordeel)</translation>
    </message>
</context>
</TS>
